#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QAbstractItemView;

// What assistive technology sees of the term list: a list whose children are its rows, each made
// when a tool first asks for it, so that a million terms cost nothing until then.
class AccessibleTermList : public QAccessibleWidget
{
public:
    explicit AccessibleTermList(QAbstractItemView* view);
    ~AccessibleTermList() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Makes every term list use this interface; safe to call more than once.
    static void install();

private:
    QAbstractItemView* view() const;

    mutable QHash<int, QAccessible::Id> m_rows; // the row interfaces made so far
};
