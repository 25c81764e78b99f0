#pragma once

#include <QListView>

// The term list: one row at a time selected, and kept selected until the rows are rebuilt. In a
// list with no selected row, the first Down selects the current row rather than the next, as list
// boxes do.
class TermListView : public QListView
{
    Q_OBJECT

public:
    explicit TermListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
