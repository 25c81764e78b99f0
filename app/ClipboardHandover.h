#pragma once

#include <QMetaObject>
#include <optional>

// At the program's end, keeps the text that the program put on the clipboard. On X11 and on
// Wayland that text lives in the process that owns the clipboard and would go with it.
class ClipboardHandover
{
public:
    // Where the compositor lets wl-copy keep a text (asked at the first copy), each copy is handed
    // to it at once, and Exit has nothing left to do; elsewhere the copy is kept at the end.
    ClipboardHandover();
    ~ClipboardHandover();
    ClipboardHandover(const ClipboardHandover&) = delete;
    ClipboardHandover& operator=(const ClipboardHandover&) = delete;

    void beforeEnd();

private:
    bool dataControl();

    std::optional<bool> m_dataControl;
    QMetaObject::Connection m_copies;
};
