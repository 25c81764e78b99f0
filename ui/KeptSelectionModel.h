#pragma once

#include <QItemSelectionModel>

// A list's selection that no gesture empties: a click below the last row, a Ctrl+click or
// Ctrl+Space on the selected row leave it selected. Only a reset of the rows (a filter pass)
// leaves no row selected.
class KeptSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    using QItemSelectionModel::QItemSelectionModel;
    using QItemSelectionModel::select;

    void select(const QItemSelection& selection, SelectionFlags command) override;
};
