#include "ui/AccessibleTermList.h"

#include "ui/AccessibleTermRow.h"
#include "ui/TermListView.h"

namespace {

QAccessibleInterface* termListFactory(const QString& className, QObject* object)
{
    auto* view = qobject_cast<TermListView*>(object);
    return className == QLatin1String("TermListView") && view ? new AccessibleTermList(view)
                                                              : nullptr;
}

} // namespace

AccessibleTermList::AccessibleTermList(QAbstractItemView* view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

AccessibleTermList::~AccessibleTermList()
{
    for (const QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
}

void AccessibleTermList::install()
{
    QAccessible::removeFactory(termListFactory);
    QAccessible::installFactory(termListFactory);
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
    QAccessible::Id& id = m_rows[index];
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
