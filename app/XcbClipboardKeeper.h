#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Keeps a text on the X clipboard after this process has ended: a forked process of our own hands
// it to a clipboard manager that takes it, or serves it until another program copies. The child
// uses only libc (glibc keeps malloc usable after a fork) and xcb on a connection no other thread
// uses: it touches no lock another thread may hold.
class XcbClipboardKeeper
{
public:
    struct Text
    {
        std::string utf8;
        std::string latin1; // for clients that ask for STRING
    };

    // The clipboard's present owner must be a window of the client whose resource ids are
    // base | (id & mask), that is the program's own toolkit connection; else nothing is done.
    // taken runs once the clipboard is the keeper's, before the fork. Returns at once: the process
    // may end.
    static void keep(const Text& text, uint32_t ownBase, uint32_t ownMask,
                     const std::function<void()>& taken);

    static constexpr int HandoverMilliseconds = 200;
    static constexpr int ServeHours = 8;
};
