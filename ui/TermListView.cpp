#include "ui/TermListView.h"

#include "ui/Accessibility.h"
#include "ui/AccessibleTermList.h"

#include <QHoverEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

TermListView::TermListView(QWidget* parent) : QAbstractItemView(parent)
{
    Accessibility::install();
    setSelectionMode(QAbstractItemView::SingleSelection);
    viewport()->setAttribute(Qt::WA_Hover);
}

QItemSelectionModel::SelectionFlags TermListView::selectionCommand(const QModelIndex& index,
                                                                   const QEvent*) const
{
    // No gesture leaves the list without its selected row: Ctrl+click or Ctrl+Space on it keeps it
    // selected, and a click below the last row changes nothing.
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

int TermListView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int TermListView::rowHeight() const
{
    if (m_rowHeight == 0 && rowCount() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        m_rowHeight = itemDelegate()->sizeHint(option, model()->index(0, 0, rootIndex())).height();
    }
    return std::max(1, m_rowHeight);
}

int TermListView::visibleRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

int TermListView::verticalOffset() const
{
    return verticalScrollBar()->value() * rowHeight();
}

QRect TermListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != model())
        return {};
    return QRect(0, index.row() * rowHeight() - verticalOffset(), viewport()->width(), rowHeight());
}

QModelIndex TermListView::indexAt(const QPoint& point) const
{
    const int row = (point.y() + verticalOffset()) / rowHeight();
    if (point.y() < 0 || point.x() < 0 || point.x() >= viewport()->width() || row >= rowCount())
        return {};
    return model()->index(row, 0, rootIndex());
}

void TermListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    // The scroll range must know of rows added since the last event run.
    executeDelayedItemsLayout();
    const int row = index.row();
    const int top = verticalScrollBar()->value();
    const int shown = visibleRows();
    int value = top;
    if (hint == PositionAtTop || (hint == EnsureVisible && row < top))
        value = row;
    else if (hint == PositionAtBottom || (hint == EnsureVisible && row >= top + shown))
        value = row - shown + 1;
    else if (hint == PositionAtCenter)
        value = row - shown / 2;
    verticalScrollBar()->setValue(value);
}

void TermListView::updateGeometries()
{
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(visibleRows());
    verticalScrollBar()->setRange(0, std::max(0, rowCount() - visibleRows()));
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

bool TermListView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange: // a new scale on the same screen
#endif
        m_rowHeight = 0;
        updateGeometries();
        viewport()->update();
        break;
    default:
        break;
    }
    return QAbstractItemView::event(event);
}

// The base view repaints the rows the pointer leaves and enters.
bool TermListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverMove)
        m_pointer = static_cast<QHoverEvent*>(event)->position().toPoint();
    else if (event->type() == QEvent::HoverLeave)
        m_pointer.reset();
    return QAbstractItemView::viewportEvent(event);
}

void TermListView::scrollContentsBy(int, int dy)
{
    // The scroll bar counts rows: what is drawn moves by as many rows' height, and only the rows
    // that came into view are painted.
    viewport()->scroll(0, dy * rowHeight());
}

QModelIndex TermListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int count = rowCount();
    if (count == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= visibleRows();
        break;
    case MovePageDown:
        row += visibleRows();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count - 1;
        break;
    default:
        break;
    }
    return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

void TermListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect r = rect.normalized();
    const int first = std::max(0, (r.top() + verticalOffset()) / rowHeight());
    const int last = std::min(rowCount() - 1, (r.bottom() + verticalOffset()) / rowHeight());
    // A drag that leaves the rows selects nothing rather than emptying the selection.
    if (r.bottom() < 0 || r.left() >= viewport()->width() || r.right() < 0 || first > last)
        return;
    selectionModel()->select(
        QItemSelection(model()->index(first, 0, rootIndex()), model()->index(last, 0, rootIndex())),
        command);
}

QRegion TermListView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect top = visualRect(model()->index(range.top(), 0, rootIndex()));
        region += QRect(top.left(), top.top(), top.width(), range.height() * rowHeight());
    }
    return region;
}

void TermListView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    // Qt's state for the whole view (enabled, active window), and each row's own on top of it.
    const QStyle::State view =
        option.state & ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Selected);
    const bool focus = hasFocus() && currentIndex().isValid();
    const QModelIndex hovered = m_pointer ? indexAt(*m_pointer) : QModelIndex();
    const QRect area = event->rect();
    const int first = (area.top() + verticalOffset()) / rowHeight();
    const int last = std::min(rowCount() - 1, (area.bottom() + verticalOffset()) / rowHeight());
    for (int row = std::max(0, first); row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = view;
        if (index == hovered)
            option.state |= QStyle::State_MouseOver;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == currentIndex())
            option.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, option, index);
    }
}

void TermListView::announce(QAccessible::Event type, const QModelIndex& index)
{
    if (!QAccessible::isActive() || !index.isValid() || !isVisible())
        return;
    QAccessibleEvent event(this, type);
    event.setChild(index.row()); // the list's accessible children are its rows
    QAccessible::updateAccessibility(&event);
}

void TermListView::reset()
{
    QAbstractItemView::reset(); // tells tools of the reset
    if (auto* list = dynamic_cast<AccessibleTermList*>(QAccessible::queryAccessibleInterface(this)))
        list->dropRows();
}

void TermListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus())
        announce(QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

void TermListView::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected)
{
    // At most one row is selected or deselected at a time.
    if (!deselected.isEmpty())
        announce(QAccessible::SelectionRemove, deselected.first().topLeft());
    if (!selected.isEmpty())
        announce(QAccessible::SelectionAdd, selected.first().topLeft());
    QAbstractItemView::selectionChanged(selected, deselected);
}

void TermListView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    // The keypad's Down, NumLock off, is the same key.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->key() == Qt::Key_Down && plain && current.isValid() &&
        !selectionModel()->hasSelection()) {
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
        announce(QAccessible::Focus, current); // the row stays current, but is now the one chosen
        event->accept();
        return;
    }
    QAbstractItemView::keyPressEvent(event);
}
