#pragma once

#include <QAbstractItemView>
#include <QAccessible>
#include <optional>

// The term list: one row selected, kept so by every gesture (only a filter pass clears it); with
// none selected, the first Down selects the current row, as list boxes do. Rows share one height,
// so a row's place comes from its number and nothing is kept or laid out per row: a million terms
// fill as fast as a thousand. It scrolls by whole rows.
class TermListView : public QAbstractItemView
{
    Q_OBJECT

public:
    explicit TermListView(QWidget* parent = nullptr);

    void reset() override;

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

private:
    int rowCount() const;
    int rowHeight() const;
    int visibleRows() const;
    // Tells assistive technology of a change to a row.
    void announce(QAccessible::Event event, const QModelIndex& index);

    mutable int m_rowHeight = 0; // measured from the first row, again after a font or screen change
    // Where hover events last put the pointer in the viewport: the row under it is drawn as
    // hovered, also once the rows scroll under a pointer that stays.
    std::optional<QPoint> m_pointer;
};
