#pragma once

#include <cstdlib>
#include <string>
#include <xcb/xcb.h>

// A window's title (WM_NAME), for the X clients that wait for the program's windows.
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
