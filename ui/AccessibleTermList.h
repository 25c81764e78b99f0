#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QAbstractItemView;

// The selection interface, as Qt's own lists offer it from Qt 6.5 on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#define QUILLARY_ACCESSIBLE_SELECTION
using TermListSelection = QAccessibleSelectionInterface;
#else
struct TermListSelection
{
};
#endif

// What assistive technology sees of the term list: a list whose children are its rows, each made
// when a tool first asks for it, so that a million terms cost nothing until then.
class AccessibleTermList : public QAccessibleWidget, public TermListSelection
{
public:
    explicit AccessibleTermList(QAbstractItemView* view);
    ~AccessibleTermList() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Every row left the list (a filter pass, or every term listed anew): their interfaces go, and
    // tools, told of the reset, ask again. Rows appended later keep theirs.
    void dropRows();

#ifdef QUILLARY_ACCESSIBLE_SELECTION
    void* interface_cast(QAccessible::InterfaceType type) override;
    int selectedItemCount() const override;
    QList<QAccessibleInterface*> selectedItems() const override;
    bool select(QAccessibleInterface* row) override;
    // The list keeps one row selected: nothing unselects it.
    bool unselect(QAccessibleInterface*) override;
    bool selectAll() override;
    bool clear() override;
#endif

private:
    QAbstractItemView* view() const;

    mutable QHash<int, QAccessible::Id> m_rowInterfaces; // the row interfaces made so far
};
