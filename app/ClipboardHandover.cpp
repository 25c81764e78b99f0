#include "app/ClipboardHandover.h"

#include "app/XcbClipboardKeeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <xcb/xcb.h>

void ClipboardHandover::beforeEnd()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    QClipboard* clipboard = x11 ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard || !clipboard->ownsClipboard())
        return;
    const QString text = clipboard->text();
    const xcb_setup_t* own = xcb_get_setup(x11->connection());
    XcbClipboardKeeper::keep({text.toUtf8().toStdString(), text.toLatin1().toStdString()},
                             own->resource_id_base, own->resource_id_mask);
}
