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
    // A program on X keeps its copy on X, also under XWayland: there the owner changes inside the
    // X server before the program's window goes. A wl-copy started beside it could take the
    // clipboard just before the bridge sees that window go, and the bridge then clears it.
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        const xcb_setup_t* own = xcb_get_setup(x11->connection());
        XcbClipboardKeeper::keep({text.toUtf8().toStdString(), text.toLatin1().toStdString()},
                                 own->resource_id_base, own->resource_id_mask);
        return;
    }
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        WaylandClipboardKeeper::keep(text);
}
