#include "ui/AccessibleTermRow.h"

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
