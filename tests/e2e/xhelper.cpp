// X requests that the end-to-end tests need and the X tools lack. In an X server, DISPLAY set:
//   xhelper manager HOW   a stand-in clipboard manager that owns CLIPBOARD_MANAGER, prints "ready"
//                         once it does and "asked" at the first SAVE_TARGETS request, which it
//                         meets as HOW says (what no real manager here does):
//                           answer  answers as if saved without fetching anything, ends
//                           silent  neither fetches nor answers, and stays until ended
//   xhelper close WINDOW  asks a window to close, as a window manager's close button does
//   xhelper owner NAME    prints the owner of the selection NAME, 0 for none
//   xhelper key KEYSYM    types the key whose first level is KEYSYM (a number), no modifier
//                         held: xdotool may hold one for a key of several levels
#include "harness/XcbClient.h"
#include "harness/XcbInput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* c;
xcb_window_t window;

xcb_atom_t intern(const char* name)
{
    return XcbClient::intern(c, name);
}

} // namespace

int closeWindow(xcb_window_t target)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = target;
    message.type = intern("WM_PROTOCOLS");
    message.data.data32[0] = intern("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, target, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    XcbClient::roundTrip(c);
    return 0;
}

int standInManager(const std::string& how)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t manager = intern("CLIPBOARD_MANAGER");
    const xcb_atom_t saveTargets = intern("SAVE_TARGETS");
    xcb_set_selection_owner(c, window, manager, XCB_CURRENT_TIME);
    xcb_flush(c);
    std::printf("ready\n");
    std::fflush(stdout);

    while (auto* request =
               XcbClient::waitFor<xcb_selection_request_event_t>(c, XCB_SELECTION_REQUEST)) {
        if (request->target != saveTargets) {
            std::free(request);
            continue;
        }
        std::printf("asked\n");
        std::fflush(stdout);
        if (how == "answer") {
            xcb_selection_notify_event_t done{};
            done.response_type = XCB_SELECTION_NOTIFY;
            done.time = request->time;
            done.requestor = request->requestor;
            done.selection = request->selection;
            done.target = request->target;
            done.property = request->property == XCB_NONE ? request->target : request->property;
            xcb_send_event(c, 0, request->requestor, 0, reinterpret_cast<const char*>(&done));
            XcbClient::roundTrip(c);
            std::free(request);
            return 0;
        }
        std::free(request);
    }
    return 0; // the connection closed while waiting
}

int printOwner(const char* name)
{
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, intern(name)), nullptr);
    std::printf("%u\n", reply ? reply->owner : 0u);
    std::free(reply);
    return 0;
}

int typeKey(xcb_keysym_t keysym)
{
    const xcb_keycode_t key = XcbInput::keycodeOf(c, keysym);
    if (key == 0)
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    XcbInput::fake(c, root, XCB_KEY_PRESS, key);
    XcbInput::fake(c, root, XCB_KEY_RELEASE, key);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // sent before the end
    return 0;
}

int main(int argc, char** argv)
{
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    if (argc == 3 && std::strcmp(argv[1], "manager") == 0)
        return standInManager(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        return closeWindow(xcb_window_t(std::strtoul(argv[2], nullptr, 0)));
    if (argc == 3 && std::strcmp(argv[1], "owner") == 0)
        return printOwner(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "key") == 0)
        return typeKey(xcb_keysym_t(std::strtoul(argv[2], nullptr, 0)));
    std::fprintf(stderr, "usage: xhelper manager HOW | xhelper close WINDOW | xhelper owner NAME | "
                         "xhelper key KEYSYM\n");
    return 2;
}
