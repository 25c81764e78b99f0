#pragma once

// Whether the Wayland compositor lets a program without a window keep the clipboard
// (wlr-data-control), asked on a connection of its own. Where it does, wl-copy can keep a copy
// after the program; elsewhere wl-copy would flash a window to get the focus, and those desktops
// (GNOME) keep a closed program's text themselves.
namespace DataControl {

bool offered();

} // namespace DataControl
