#pragma once

// At the program's end, keeps the text that the program put on the clipboard. On X11 and on
// Wayland that text lives in the process that owns the clipboard and would go with it.
namespace ClipboardHandover {
void beforeEnd();
}
