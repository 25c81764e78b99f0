#include "ui/Accessibility.h"

#include "ui/AccessibleLabelButton.h"
#include "ui/AccessibleTermList.h"
#include "ui/LabelButton.h"
#include "ui/TermListView.h"

#include <QApplication>

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("LabelButton"))
        if (auto* button = qobject_cast<LabelButton*>(object))
            return new AccessibleLabelButton(button);
    if (className == QLatin1String("TermListView"))
        if (auto* view = qobject_cast<TermListView*>(object))
            return new AccessibleTermList(view);
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

bool reachable(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled() && !QApplication::activeModalWidget();
}

} // namespace Accessibility
