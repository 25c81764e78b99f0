#pragma once

#include <cstdlib>
#include <cstring>
#include <string>
#include <xcb/xcb.h>

// The few X requests the tests' and benchmarks' own X clients share.
namespace XcbClient {

inline xcb_atom_t intern(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

// A window's title (WM_NAME).
inline std::string titleOf(xcb_connection_t* c, xcb_window_t window)
{
    auto cookie =
        xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply)
        return {};
    std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                      size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return title;
}

// Waits for the server to answer, so that what was sent is carried out before this client goes:
// a server may drop the last requests of a client that leaves at once.
inline void roundTrip(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// The next event of that type, others dropped; the caller frees it. Null when the connection ends.
template <typename Event> Event* waitFor(xcb_connection_t* c, uint8_t type)
{
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        if ((event->response_type & 0x7f) == type)
            return reinterpret_cast<Event*>(event);
        std::free(event);
    }
    return nullptr;
}

// The window whose title starts with prefix: window itself or one it holds (a window manager's
// frame holds the client's window); 0 if none.
inline xcb_window_t titled(xcb_connection_t* c, xcb_window_t window, const std::string& prefix)
{
    if (titleOf(c, window).rfind(prefix, 0) == 0)
        return window;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    xcb_window_t found = 0;
    if (tree) {
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
            found = titled(c, children[i], prefix);
        std::free(tree);
    }
    return found;
}

// The next window mapped whose title starts with prefix, also inside a window manager's frame;
// the root window must report its children's mapping (SubstructureNotify). 0 when the connection
// ends.
inline xcb_window_t waitForMapped(xcb_connection_t* c, const std::string& prefix)
{
    while (auto* mapped = waitFor<xcb_map_notify_event_t>(c, XCB_MAP_NOTIFY)) {
        const xcb_window_t window = titled(c, mapped->window, prefix);
        std::free(mapped);
        if (window)
            return window;
    }
    return 0;
}

} // namespace XcbClient
