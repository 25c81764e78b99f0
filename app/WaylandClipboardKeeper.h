#pragma once

#include <QString>

// Keeps a text on a Wayland clipboard after this process has ended: wl-copy serves it until another
// program copies. Only where the compositor offers data-control: elsewhere wl-copy would flash a
// window to get the focus, and those desktops (GNOME) keep a closed program's text themselves.
namespace WaylandClipboardKeeper {

// Whether the compositor offers data-control, asked on a connection of its own.
bool compositorOffersDataControl();

// Whether it was handed over: not where wl-copy is missing, nor a text of 128 KiB or more.
bool keep(const QString& text);

} // namespace WaylandClipboardKeeper
