#include "ui/AccessibleTermRow.h"

#include "ui/Accessibility.h"

QModelIndex AccessibleTermRow::index() const
{
    return m_view && m_view->model() ? m_view->model()->index(m_row, 0) : QModelIndex();
}

QAccessibleInterface* AccessibleTermRow::parent() const
{
    return QAccessible::queryAccessibleInterface(m_view.data());
}

QString AccessibleTermRow::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? index().data().toString() : QString();
}

QRect AccessibleTermRow::rect() const
{
    const QRect shown = isValid() ? m_view->visualRect(index()) : QRect();
    return shown.isValid() ? shown.translated(m_view->viewport()->mapToGlobal(QPoint())) : shown;
}

QAccessible::State AccessibleTermRow::state() const
{
    QAccessible::State state;
    const QModelIndex row = index();
    state.invalid = !row.isValid();
    if (row.isValid()) {
        state.selectable = state.focusable = true;
        state.selected = m_view->selectionModel()->isSelected(row);
        state.focused = m_view->hasFocus() && m_view->currentIndex() == row;
        state.offscreen = !m_view->viewport()->rect().intersects(m_view->visualRect(row));
    }
    return state;
}

void* AccessibleTermRow::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

// Selects the row as a click does; a selected row stays selected, as the list never leaves
// itself without one.
void AccessibleTermRow::doAction(const QString& action)
{
    if (action == toggleAction() && isValid() && Accessibility::reachable(m_view))
        m_view->setCurrentIndex(index());
}
