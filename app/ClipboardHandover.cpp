#include "app/ClipboardHandover.h"

#include "app/WaylandClipboardKeeper.h"
#include "app/XcbClipboardKeeper.h"
#include "ui/ClipboardText.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

// A compositor that keeps a closed program's copy itself (GNOME's mutter) fetches the text as soon
// as it is copied, and keeps nothing if the program ends before it has read it all. An end right
// after a copy waits for that fetch, and then for the compositor to read, without taking input.
void letCompositorRead(const ClipboardText& copied)
{
    constexpr qint64 MostForFetch = 500; // ms after the copy: a compositor that never fetches
    constexpr qint64 ForReading = 50;    // ms after the fetch
    const qint64 fetched = copied.msecsSinceFetched();
    const qint64 wait =
        fetched < 0 ? MostForFetch - copied.msecsSinceCopied() : ForReading - fetched;
    if (wait <= 0)
        return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&copied, &ClipboardText::fetched, &limit,
                     [&limit] { limit.start(int{ForReading}); });
    limit.start(static_cast<int>(wait));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// The program's copy, read without counting as another program's fetch.
QString textOf(const QClipboard& clipboard)
{
    const auto* copied = qobject_cast<const ClipboardText*>(clipboard.mimeData());
    return copied ? copied->copied() : clipboard.text();
}

} // namespace

ClipboardHandover::ClipboardHandover()
{
    if (!qGuiApp || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    m_copies = QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [this, clipboard] {
        if (clipboard->ownsClipboard() && dataControl())
            WaylandClipboardKeeper::keep(textOf(*clipboard));
    });
}

ClipboardHandover::~ClipboardHandover()
{
    QObject::disconnect(m_copies);
}

bool ClipboardHandover::dataControl()
{
    if (!m_dataControl)
        m_dataControl = WaylandClipboardKeeper::compositorOffersDataControl();
    return *m_dataControl;
}

void ClipboardHandover::beforeEnd()
{
    QClipboard* clipboard = qGuiApp ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard || !clipboard->ownsClipboard())
        return;
    const auto* copied = qobject_cast<const ClipboardText*>(clipboard->mimeData());
    const QString text = textOf(*clipboard);
    // A program on X keeps its copy on X, also under XWayland: there the owner changes inside the
    // X server before the program's window goes. A wl-copy started beside it could take the
    // clipboard just before the bridge sees that window go, and the bridge then clears it.
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* own = x11->connection();
        const xcb_setup_t* setup = xcb_get_setup(own);
        // Once the keeper has the clipboard the windows may go: the user waits no longer.
        XcbClipboardKeeper::keep({text.toUtf8().toStdString(), text.toLatin1().toStdString()},
                                 setup->resource_id_base, setup->resource_id_mask, [own] {
                                     for (QWindow* window : QGuiApplication::topLevelWindows())
                                         window->hide();
                                     xcb_flush(own);
                                 });
        return;
    }
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    if (!(dataControl() && WaylandClipboardKeeper::keep(text)) && copied)
        letCompositorRead(*copied);
}
