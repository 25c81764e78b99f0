#pragma once

#include <cstdint>
#include <string>

// Keeps a text on the X clipboard after this process has ended: the clipboard manager gets it
// when there is one, otherwise a forked process of our own serves it until another program takes
// the clipboard. It uses only libc and xcb, on a connection of its own, so that the forked
// process touches nothing that another thread of this one may hold.
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
    // Returns when the process may end.
    static void keep(const Text& text, uint32_t ownBase, uint32_t ownMask);

    static constexpr int HandoverMilliseconds = 200;
    // How long a manager that fetched a text form may go quiet before it counts as having it.
    static constexpr int SettleMilliseconds = 3;
    static constexpr int ServeHours = 8;
};
