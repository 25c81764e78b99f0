#pragma once

#include <QString>

// Keeps a text on a Wayland desktop's clipboard after this process has ended, by handing it to
// wl-copy (wl-clipboard), which serves it until another program copies. Only where the compositor
// lets a program without a window hold the clipboard (the data-control protocols): elsewhere
// wl-copy would flash a window of its own to get the focus, and those desktops (GNOME) keep a
// closed program's text themselves.
namespace WaylandClipboardKeeper {

// Whether the compositor lets a program without a window hold the clipboard (a connection of its
// own asks).
bool compositorOffersDataControl();

// Only where it does. Nothing is handed over where wl-copy is missing, or for a text of 128 KiB or
// more. Whether it was handed over.
bool keep(const QString& text);

} // namespace WaylandClipboardKeeper
