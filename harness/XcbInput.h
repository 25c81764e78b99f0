#pragma once

#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

// Keys and clicks sent through XTest, as the benchmarks type and point.
namespace XcbInput {

// The key that types keysym without a modifier; 0 if the keyboard has none.
inline xcb_keycode_t keycodeOf(xcb_connection_t* c, xcb_keysym_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto cookie = xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(count));
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(c, cookie, nullptr);
    xcb_keycode_t found = 0;
    if (reply) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        for (int k = 0; k < count && !found; ++k) {
            if (syms[k * reply->keysyms_per_keycode] == keysym)
                found = xcb_keycode_t(setup->min_keycode + k);
        }
        std::free(reply);
    }
    return found;
}

inline void fake(xcb_connection_t* c, xcb_window_t root, uint8_t type, uint8_t detail,
                 int16_t x = 0, int16_t y = 0)
{
    xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, root, x, y, 0);
}

// A left click at (x, y) in the window, which is also given the keyboard (no window manager).
inline void click(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, int16_t x, int16_t y)
{
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    auto* at = xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, root, x, y),
                                               nullptr);
    fake(c, root, XCB_MOTION_NOTIFY, 0, at->dst_x, at->dst_y);
    fake(c, root, XCB_BUTTON_PRESS, 1);
    fake(c, root, XCB_BUTTON_RELEASE, 1);
    std::free(at);
    xcb_flush(c);
}

} // namespace XcbInput
