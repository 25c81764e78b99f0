#pragma once

#include <QAbstractItemView>
#include <QAccessibleInterface>
#include <QPointer>

// A term list row for assistive technology: a list item named by its term, selectable as Qt's own
// rows are ("Toggle"). It lives until the list's rows are all replaced.
class AccessibleTermRow : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleTermRow(QAbstractItemView* view, int row) : m_view(view), m_row(row) {}

    int row() const { return m_row; }
    bool isValid() const override { return index().isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override { return {toggleAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override;

private:
    QModelIndex index() const;

    QPointer<QAbstractItemView> m_view;
    int m_row;
};
