#include "ui/AccessibleLabelButton.h"

#include "ui/Accessibility.h"
#include "ui/LabelButton.h"

#include <QTimer>

AccessibleLabelButton::AccessibleLabelButton(LabelButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QString AccessibleLabelButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const LabelButton*>(widget())->text();
    return QAccessibleWidget::text(t); // the description is the tooltip
}

QStringList AccessibleLabelButton::actionNames() const
{
    return {pressAction()};
}

void AccessibleLabelButton::doAction(const QString& actionName)
{
    auto* button = static_cast<LabelButton*>(widget());
    if (actionName != pressAction() || !Accessibility::reachable(button))
        return;
    // Clicked from the event loop, so the tool has its answer before any box the click opens.
    QTimer::singleShot(0, button, [button] {
        if (Accessibility::reachable(button))
            button->click();
    });
}

QStringList AccessibleLabelButton::keyBindingsForAction(const QString& actionName) const
{
    const QKeySequence key = static_cast<const LabelButton*>(widget())->keyBinding();
    if (actionName != pressAction() || key.isEmpty())
        return {};
    return {key.toString(QKeySequence::NativeText)};
}
