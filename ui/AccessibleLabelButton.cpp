#include "ui/AccessibleLabelButton.h"

#include "ui/LabelButton.h"

#include <QApplication>
#include <QTimer>

namespace {

QAccessibleInterface* labelButtonFactory(const QString& className, QObject* object)
{
    auto* button = qobject_cast<LabelButton*>(object);
    return className == QLatin1String("LabelButton") && button ? new AccessibleLabelButton(button)
                                                               : nullptr;
}

// Only what the mouse could click: a shown window, with no message box above it.
bool reachable(const LabelButton* button)
{
    return button->isVisible() && !QApplication::activeModalWidget();
}

} // namespace

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
    if (actionName != pressAction() || !reachable(button))
        return;
    // Clicked from the event loop, so the tool has its answer before any box the click opens.
    QTimer::singleShot(0, button, [button] {
        if (reachable(button))
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

void AccessibleLabelButton::install()
{
    static const bool installed = (QAccessible::installFactory(labelButtonFactory), true);
    Q_UNUSED(installed);
}
