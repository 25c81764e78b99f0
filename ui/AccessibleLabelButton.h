#pragma once

#include <QAccessibleWidget>

class LabelButton;

// What assistive technology sees of a label button: a push button named by its caption, its
// tooltip as description, and a press action that clicks it as the mouse does, and only where the
// mouse could: never in a hidden window or behind a message box.
class AccessibleLabelButton : public QAccessibleWidget
{
public:
    explicit AccessibleLabelButton(LabelButton* button);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};
