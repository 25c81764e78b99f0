#include "app/ClipboardHandover.h"

#include "app/WaylandClipboardKeeper.h"
#include "app/XcbClipboardKeeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <xcb/xcb.h>

void ClipboardHandover::beforeEnd()
{
    QClipboard* clipboard = qGuiApp ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard || !clipboard->ownsClipboard())
        return;
    const QString text = clipboard->text();
    // In a Wayland session the Wayland side keeps it, also for a program that runs on XWayland,
    // whose bridge keeps nothing.
    if (WaylandClipboardKeeper::keep(text))
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    const xcb_setup_t* own = xcb_get_setup(x11->connection());
    XcbClipboardKeeper::keep({text.toUtf8().toStdString(), text.toLatin1().toStdString()},
                             own->resource_id_base, own->resource_id_mask);
}
