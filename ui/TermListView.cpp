#include "ui/TermListView.h"

#include "ui/KeptSelectionModel.h"

#include <QKeyEvent>

TermListView::TermListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TermListView::setModel(QAbstractItemModel* model)
{
    QItemSelectionModel* given = selectionModel();
    QListView::setModel(model);
    QItemSelectionModel* made = selectionModel();
    setSelectionModel(new KeptSelectionModel(model, this));
    if (made != given)
        delete made;
}

void TermListView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && current.isValid() &&
        !selectionModel()->hasSelection()) {
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}
