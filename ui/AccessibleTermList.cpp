#include "ui/AccessibleTermList.h"

#include "ui/AccessibleTermRow.h"

AccessibleTermList::AccessibleTermList(QAbstractItemView* view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

AccessibleTermList::~AccessibleTermList()
{
    dropRows();
}

void AccessibleTermList::dropRows()
{
    for (const QAccessible::Id id : std::as_const(m_rowInterfaces))
        QAccessible::deleteAccessibleInterface(id);
    m_rowInterfaces.clear();
}

QAbstractItemView* AccessibleTermList::view() const
{
    return static_cast<QAbstractItemView*>(widget());
}

int AccessibleTermList::childCount() const
{
    return view()->model() ? view()->model()->rowCount() : 0;
}

QAccessibleInterface* AccessibleTermList::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = m_rowInterfaces[index];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessibleTermRow(view(), index));
    return QAccessible::accessibleInterface(id);
}

int AccessibleTermList::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* row = dynamic_cast<const AccessibleTermRow*>(child);
    return row ? row->row() : -1;
}

// Asked where the pointer is; the rows are not searched one by one, however many there are.
QAccessibleInterface* AccessibleTermList::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

#ifdef QUILLARY_ACCESSIBLE_SELECTION
void* AccessibleTermList::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::SelectionInterface
               ? static_cast<QAccessibleSelectionInterface*>(this)
               : QAccessibleWidget::interface_cast(type);
}

int AccessibleTermList::selectedItemCount() const
{
    return int(view()->selectionModel()->selectedIndexes().size());
}

QList<QAccessibleInterface*> AccessibleTermList::selectedItems() const
{
    QList<QAccessibleInterface*> rows;
    for (const QModelIndex& index : view()->selectionModel()->selectedIndexes())
        rows << child(index.row());
    return rows;
}

bool AccessibleTermList::select(QAccessibleInterface* row)
{
    const int index = indexOfChild(row);
    if (index < 0 || !row->actionInterface())
        return false;
    row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    return view()->selectionModel()->isSelected(view()->model()->index(index, 0));
}

bool AccessibleTermList::unselect(QAccessibleInterface*)
{
    return false;
}

bool AccessibleTermList::selectAll()
{
    return false;
}

bool AccessibleTermList::clear()
{
    return false;
}
#endif
