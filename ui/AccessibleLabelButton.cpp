#include "ui/AccessibleLabelButton.h"

#include "ui/LabelButton.h"

namespace {

QAccessibleInterface* labelButtonFactory(const QString& className, QObject* object)
{
    auto* button = qobject_cast<LabelButton*>(object);
    return className == QLatin1String("LabelButton") && button ? new AccessibleLabelButton(button)
                                                               : nullptr;
}

} // namespace

AccessibleLabelButton::AccessibleLabelButton(LabelButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QString AccessibleLabelButton::text(QAccessible::Text t) const
{
    const auto* button = static_cast<const LabelButton*>(widget());
    if (t == QAccessible::Name)
        return button->text();
    if (t == QAccessible::Description)
        return button->toolTip();
    return QAccessibleWidget::text(t);
}

QStringList AccessibleLabelButton::actionNames() const
{
    return {pressAction()};
}

void AccessibleLabelButton::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<LabelButton*>(widget())->press();
}

void AccessibleLabelButton::install()
{
    static const bool installed = (QAccessible::installFactory(labelButtonFactory), true);
    Q_UNUSED(installed);
}
