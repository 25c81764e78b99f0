#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// Keeps a text on a Wayland desktop's clipboard after this process has ended, by handing it to
// wl-copy (wl-clipboard), which serves it until another program copies. Only where the compositor
// lets a program without a window hold the clipboard (the data-control protocols): elsewhere
// wl-copy would flash a window of its own to get the focus, and those desktops (GNOME) keep a
// closed program's text themselves.
namespace WaylandClipboardKeeper {

// Whether the text was handed over; false outside a Wayland session, where the compositor offers
// no data-control, or where wl-copy is missing.
bool keep(const QString& text);

// wl-copy's arguments for a text: wl-copy joins its arguments with one space, so the text is cut
// at spaces into pieces that each fit one argument. The text stays in memory: given on standard
// input, wl-copy would keep it in a file. Nothing where a piece cannot be cut short enough.
std::optional<std::vector<std::string>> arguments(const QByteArray& utf8);

// The most one argument may hold, its closing NUL included (the kernel's MAX_ARG_STRLEN).
constexpr size_t MostInOneArgument = 32 * 4096;

} // namespace WaylandClipboardKeeper
