#include "ui/KeptSelectionModel.h"

void KeptSelectionModel::select(const QItemSelection& selection, SelectionFlags command)
{
    QItemSelection after = command.testFlag(Clear) ? QItemSelection() : this->selection();
    const SelectionFlags change = command & (Select | Deselect | Toggle);
    if (change != NoUpdate)
        after.merge(selection, change);
    if (hasSelection() && after.indexes().isEmpty())
        return;
    QItemSelectionModel::select(selection, command);
}
