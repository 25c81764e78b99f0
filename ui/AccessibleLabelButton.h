#pragma once

#include <QAccessibleWidget>

class LabelButton;

// A label button for assistive technology: a push button named by its caption, described by its
// tooltip, whose press clicks it only where the mouse could (not hidden, not behind a box).
class AccessibleLabelButton : public QAccessibleWidget
{
public:
    explicit AccessibleLabelButton(LabelButton* button);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};
