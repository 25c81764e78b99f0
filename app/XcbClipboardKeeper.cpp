#include "app/XcbClipboardKeeper.h"

#include "app/InheritedDescriptors.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

enum class Next
{
    KeepServing,
    Saved,
    Refused, // a manager that answered without taking the text
    Lost,
    Closed,
    TimedOut
};

// The forms of the text a client may ask for, besides TARGETS, as bits.
enum TextForm : unsigned
{
    Timestamp = 1,
    Utf8 = 2,
    Latin1 = 4,
    Text = 8,
    EveryForm = 15,
    AnyText = Utf8 | Latin1 | Text
};

class Selection
{
public:
    explicit Selection(const XcbClipboardKeeper::Text& text) : m_text(text) {}
    ~Selection()
    {
        if (m_c)
            xcb_disconnect(m_c);
    }

    bool takeOverFrom(uint32_t ownBase, uint32_t ownMask)
    {
        int screenNumber = 0;
        m_c = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_c))
            return false;
        m_clipboard = intern("CLIPBOARD");
        m_manager = intern("CLIPBOARD_MANAGER");
        m_saveTargets = intern("SAVE_TARGETS");
        m_targets = intern("TARGETS");
        m_timestamp = intern("TIMESTAMP");
        m_utf8 = intern("UTF8_STRING");
        m_textAtom = intern("TEXT");
        // Only the program's own copy is kept: another program may have copied since.
        const xcb_window_t current = owner(m_clipboard);
        if (current == XCB_NONE || (current & ~ownMask) != ownBase)
            return false;

        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
            xcb_screen_next(&screens);
        m_window = xcb_generate_id(m_c);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screens.data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        m_time = serverTime();
        m_clientMask = xcb_get_setup(m_c)->resource_id_mask;
        const xcb_window_t manager = owner(m_manager);
        m_managerClient = manager == XCB_NONE ? XCB_NONE : manager & ~m_clientMask;
        xcb_set_selection_owner(m_c, m_window, m_clipboard, m_time);
        return owner(m_clipboard) == m_window;
    }

    bool managerPresent() const { return owner(m_manager) != XCB_NONE; }

    void askManagerToSave()
    {
        xcb_convert_selection(m_c, m_window, m_manager, m_saveTargets, XCB_NONE, m_time);
        xcb_flush(m_c);
    }

    // Serves until the manager has the text or refuses it, or until the deadline. A manager that
    // fetched a text form and stays silent (xfce4-clipman 1.6.6 fetches the UTF-8 text alone, and
    // 1.6.2 every form, neither answering) has the text by then; one that fetched none has not.
    Next handOver(Clock::time_point deadline)
    {
        const Next next = serveUntil(deadline);
        return next == Next::TimedOut && managerHasText() ? Next::Saved : next;
    }

    // Serves until the clipboard is lost or the deadline.
    Next serveUntil(Clock::time_point deadline)
    {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
                const Next next = handle(*event);
                std::free(event);
                if (next != Next::KeepServing)
                    return next;
                continue;
            }
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return Next::TimedOut;
            pollfd fd{fileDescriptor(), POLLIN, 0};
            if (xcb_connection_has_error(m_c) ||
                (poll(&fd, 1, int(std::min<long long>(left.count(), 60'000))) < 0 &&
                 errno != EINTR))
                return Next::Closed;
        }
    }

    int fileDescriptor() const { return xcb_get_file_descriptor(m_c); }
    // Lets go of the connection without closing it: xcb_disconnect shuts the socket down, also
    // for the forked process that serves on it.
    void leaveToChild() { m_c = nullptr; }
    // Waits until the server has read every request (the last answer to a manager among them):
    // a connection that ends with events unread is reset, and what it sent last may be lost.
    void finish() { std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

private:
    xcb_atom_t intern(const char* name) const
    {
        const auto cookie = xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(m_c, cookie, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
        std::free(reply);
        return atom;
    }

    xcb_window_t owner(xcb_atom_t selection) const
    {
        xcb_get_selection_owner_reply_t* reply =
            xcb_get_selection_owner_reply(m_c, xcb_get_selection_owner(m_c, selection), nullptr);
        const xcb_window_t window = reply ? reply->owner : XCB_NONE;
        std::free(reply);
        return window;
    }

    // A server timestamp, from the notice of a property change on our own window (as ICCCM asks,
    // rather than CurrentTime).
    xcb_timestamp_t serverTime() const
    {
        xcb_change_property(m_c, XCB_PROP_MODE_APPEND, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, 0, "");
        xcb_flush(m_c);
        while (xcb_generic_event_t* event = xcb_wait_for_event(m_c)) {
            const bool notice = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
            const xcb_timestamp_t time =
                notice ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : 0;
            std::free(event);
            if (notice)
                return time;
        }
        return XCB_CURRENT_TIME;
    }

    bool putProperty(const xcb_selection_request_event_t& request, xcb_atom_t property)
    {
        const xcb_window_t to = request.requestor;
        if (request.target == m_targets) {
            // TIMESTAMP first: a manager that copies every form it is offered (xfce4-clipman)
            // loses the first one when it gives them back.
            const xcb_atom_t offered[] = {m_targets, m_timestamp, m_utf8, XCB_ATOM_STRING,
                                          m_textAtom};
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, XCB_ATOM_ATOM, 32,
                                uint32_t(std::size(offered)), offered);
            return true;
        }
        if (request.target == m_timestamp) {
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, XCB_ATOM_INTEGER, 32, 1,
                                &m_time);
            return true;
        }
        const bool utf8 = request.target == m_utf8 || request.target == m_textAtom;
        if (!utf8 && request.target != XCB_ATOM_STRING)
            return false;
        const std::string& bytes = utf8 ? m_text.utf8 : m_text.latin1;
        // One request carries the text; a text too large for it is refused, never cut short.
        if (bytes.size() + 64 > size_t(xcb_get_maximum_request_length(m_c)) * 4)
            return false;
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property,
                            utf8 ? m_utf8 : xcb_atom_t(XCB_ATOM_STRING), 8, uint32_t(bytes.size()),
                            bytes.data());
        return true;
    }

    unsigned formOf(xcb_atom_t target) const
    {
        return (target == m_timestamp ? Timestamp : 0u) | (target == m_utf8 ? Utf8 : 0u) |
               (target == XCB_ATOM_STRING ? Latin1 : 0u) | (target == m_textAtom ? Text : 0u);
    }

    void answer(const xcb_selection_request_event_t& request)
    {
        // Old clients name no property: the target's name is used.
        const xcb_atom_t property =
            request.property == XCB_NONE ? request.target : request.property;
        const bool given = request.selection == m_clipboard && putProperty(request, property);
        const xcb_selection_notify_event_t notify{XCB_SELECTION_NOTIFY,
                                                  0,
                                                  0,
                                                  request.time,
                                                  request.requestor,
                                                  request.selection,
                                                  request.target,
                                                  given ? property : xcb_atom_t(XCB_NONE)};
        xcb_send_event(m_c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
        xcb_flush(m_c);
        if (given && m_managerClient != XCB_NONE &&
            (request.requestor & ~m_clientMask) == m_managerClient)
            m_givenToManager |= formOf(request.target);
    }

    bool managerHasText() const { return (m_givenToManager & AnyText) != 0; }

    Next handle(const xcb_generic_event_t& event)
    {
        const uint8_t type = event.response_type & 0x7f;
        if (type == XCB_SELECTION_REQUEST) {
            answer(reinterpret_cast<const xcb_selection_request_event_t&>(event));
            // A manager that copies every form it is offered has the text once it has them all.
            return m_givenToManager == EveryForm ? Next::Saved : Next::KeepServing;
        }
        if (type == XCB_SELECTION_CLEAR)
            return Next::Lost;
        // A manager's answer to SAVE_TARGETS counts only where it took the text: a bridge that
        // owns CLIPBOARD_MANAGER but keeps nothing (XWayland's, in wlroots compositors) refuses,
        // or answers without asking for any form.
        const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
        if (type == XCB_SELECTION_NOTIFY && notify.selection == m_manager)
            return notify.property != XCB_NONE && managerHasText() ? Next::Saved : Next::Refused;
        return Next::KeepServing;
    }

    const XcbClipboardKeeper::Text& m_text;
    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_window = XCB_NONE;
    xcb_timestamp_t m_time = XCB_CURRENT_TIME;
    xcb_atom_t m_clipboard = XCB_NONE, m_manager = XCB_NONE, m_saveTargets = XCB_NONE,
               m_targets = XCB_NONE, m_timestamp = XCB_NONE, m_utf8 = XCB_NONE,
               m_textAtom = XCB_NONE;
    // The clipboard manager's X client, and which of the forms offered it has been given.
    uint32_t m_managerClient = XCB_NONE;
    uint32_t m_clientMask = 0;
    unsigned m_givenToManager = 0;
};

} // namespace

void XcbClipboardKeeper::keep(const Text& text, uint32_t ownBase, uint32_t ownMask,
                              const std::function<void()>& taken)
{
    Selection selection(text);
    if (!selection.takeOverFrom(ownBase, ownMask))
        return;
    taken();
    // The program ends at once; its own process meets the clipboard manager, however long that
    // takes, and ends as soon as the manager has the text.
    const pid_t pid = fork();
    if (pid > 0)
        selection.leaveToChild();
    if (pid != 0)
        return; // the program ends; a failed fork loses the text, as an ending without us would
    setsid();   // a terminal's hang-up or Ctrl+C no longer reaches the server
    // Seen in a task manager as what it is, not as the program still running.
    prctl(PR_SET_NAME, "quillary-clip", 0, 0, 0);
    // Never serve while holding the program's other sockets and files.
    InheritedDescriptors::closeAllBut(selection.fileDescriptor());
    Next next = Next::Refused;
    if (selection.managerPresent()) {
        selection.askManagerToSave();
        next = selection.handOver(Clock::now() + std::chrono::milliseconds(HandoverMilliseconds));
    }
    if (next == Next::Refused || next == Next::TimedOut)
        selection.serveUntil(Clock::now() + std::chrono::hours(ServeHours));
    selection.finish();
    _exit(0);
}
