#pragma once

// Whether the Wayland compositor lets a program without a window keep the clipboard
// (wlr-data-control), asked on a connection of its own. Where it does, wl-copy can keep a copy
// after the program; elsewhere wl-copy would flash a window to get the focus, and those desktops
// (GNOME) keep a closed program's text themselves.
namespace DataControl {

enum Protocol : unsigned
{
    None = 0,
    Wlr = 1, // wlr-data-control, which every wl-copy knows
    Ext = 2 // ext-data-control, which wl-copy knows from wl-clipboard 2.3 on (KWin 6.7 has only it)
};

// The protocols offered, as Protocol bits.
unsigned offered();

} // namespace DataControl
