#include "clipboard/keeper/Keeper.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <poll.h>
#include <xcb/xfixes.h>

namespace {

// The forms of the text a client may ask for, besides TARGETS and MULTIPLE, as bits.
enum TextForm : unsigned
{
    Timestamp = 1,
    Utf8 = 2,
    Latin1 = 4,
    Text = 8,
    MimeUtf8 = 16,
    EveryForm = 31,
    AnyText = Utf8 | Latin1 | Text | MimeUtf8
};

// STRING is Latin-1: a character beyond it becomes a question mark, as Qt's own conversion does.
std::string latin1Of(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length == 1)
            out += char(lead);
        else if (length == 2 && lead >= 0xC2 && lead <= 0xC3 && i + 1 < utf8.size())
            out += char(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        else
            out += '?';
        i += length;
    }
    return out;
}

} // namespace

Keeper::~Keeper()
{
    if (m_c)
        xcb_disconnect(m_c);
}

bool Keeper::connect()
{
    m_c = xcb_connect(nullptr, &m_screen);
    if (xcb_connection_has_error(m_c))
        return false;
    internAtoms();
    const xcb_setup_t* setup = xcb_get_setup(m_c);
    // What one request of the core protocol carries, less the property request's own header.
    m_mostInOneRequest = size_t(setup->maximum_request_length) * 4 - 64;
    m_clientMask = setup->resource_id_mask;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < m_screen && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;
    createWindow();
    return true;
}

// Two round trips while the program waits to end: who owns the clipboard, asked together with the
// server's time; then the clipboard taken and its owner asked again.
bool Keeper::takeOverFrom(std::string utf8, uint32_t ownBase, uint32_t ownMask)
{
    m_utf8 = std::move(utf8);
    const xcb_get_selection_owner_cookie_t asked = xcb_get_selection_owner(m_c, m_atoms.clipboard);
    m_time = serverTime();
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(m_c, asked, nullptr);
    const xcb_window_t current = reply ? reply->owner : XCB_NONE;
    std::free(reply);
    // Only the program's own copy is kept: another program may have copied since.
    if (current == XCB_NONE || (current & ~ownMask) != ownBase)
        return false;
    return own();
}

void Keeper::lookAround()
{
    const xcb_window_t manager = owner(m_atoms.manager);
    m_managerClient = manager == XCB_NONE ? XCB_NONE : manager & ~m_clientMask;
    watchOwner();
}

// Every atom in one round trip.
void Keeper::internAtoms()
{
    static constexpr const char* names[] = {"CLIPBOARD",
                                            "CLIPBOARD_MANAGER",
                                            "SAVE_TARGETS",
                                            "TARGETS",
                                            "TIMESTAMP",
                                            "MULTIPLE",
                                            "ATOM_PAIR",
                                            "INCR",
                                            "UTF8_STRING",
                                            "TEXT",
                                            "text/plain;charset=utf-8"};
    xcb_atom_t* atoms[] = {&m_atoms.clipboard, &m_atoms.manager,   &m_atoms.saveTargets,
                           &m_atoms.targets,   &m_atoms.timestamp, &m_atoms.multiple,
                           &m_atoms.atomPair,  &m_atoms.incr,      &m_atoms.utf8,
                           &m_atoms.text,      &m_atoms.mimeUtf8};
    static_assert(std::size(names) == std::size(atoms));
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(m_c, 0, uint16_t(std::strlen(names[i])), names[i]);
    for (size_t i = 0; i < std::size(names); ++i) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(m_c, cookies[i], nullptr);
        *atoms[i] = reply ? reply->atom : XCB_NONE;
        std::free(reply);
    }
}

xcb_window_t Keeper::owner(xcb_atom_t selection) const
{
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(m_c, xcb_get_selection_owner(m_c, selection), nullptr);
    const xcb_window_t window = reply ? reply->owner : XCB_NONE;
    std::free(reply);
    return window;
}

// A server timestamp, from the notice of a property change on our own window (as ICCCM asks,
// rather than CurrentTime). Called while the clipboard is not ours, so no request is passed over.
xcb_timestamp_t Keeper::serverTime() const
{
    xcb_change_property(m_c, XCB_PROP_MODE_APPEND, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, "");
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

// A window of our own to own the clipboard with.
void Keeper::createWindow()
{
    m_window = xcb_generate_id(m_c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, m_root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
}

bool Keeper::own()
{
    xcb_set_selection_owner(m_c, m_window, m_atoms.clipboard, m_time);
    m_owning = owner(m_atoms.clipboard) == m_window;
    return m_owning;
}

// Asks XFixes to tell of every new owner of the clipboard, ours included.
bool Keeper::watchOwner()
{
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(m_c, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return false;
    std::free(xcb_xfixes_query_version_reply(m_c, xcb_xfixes_query_version(m_c, 5, 0), nullptr));
    xcb_xfixes_select_selection_input(m_c, m_root, m_atoms.clipboard,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER);
    m_ownerNotify = uint8_t(xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY);
    return true;
}

Keeper::Next Keeper::handOverToManager(Clock::time_point deadline)
{
    // The forms to save go in the request's property: a manager answers with that property once
    // it has saved them, and with none when it has not (xfsettingsd answers none to a request
    // that named no property, whatever it did).
    const xcb_atom_t forms[] = {m_atoms.utf8, XCB_ATOM_STRING, m_atoms.text, m_atoms.mimeUtf8};
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, m_atoms.saveTargets, XCB_ATOM_ATOM,
                        32, uint32_t(std::size(forms)), forms);
    xcb_convert_selection(m_c, m_window, m_atoms.manager, m_atoms.saveTargets, m_atoms.saveTargets,
                          m_time);
    xcb_flush(m_c);
    const Next next = serveUntil(deadline);
    // A manager that fetched a text form and stays silent (xfce4-clipman 1.6.6 fetches the UTF-8
    // text alone, and 1.6.2 every form, neither answering) has the text by then; one that fetched
    // none has not.
    return next == Next::TimedOut && (m_givenToManager & AnyText) ? Next::Saved : next;
}

Keeper::Next Keeper::serveUntil(Clock::time_point deadline)
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
        pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
        if (xcb_connection_has_error(m_c) ||
            (poll(&fd, 1, int(std::min<long long>(left.count(), 60'000))) < 0 && errno != EINTR))
            return Next::Closed;
    }
}

bool Keeper::releaseToDesktop(Clock::time_point deadline)
{
    if (m_ownerNotify == 0)
        return false; // without XFixes, nobody's taking it would go unseen
    // The owner's window goes, as when a program ends: desktops take the clipboard back then
    // (mutter does not when the owner only sets none).
    m_owning = false;
    xcb_destroy_window(m_c, m_window);
    xcb_flush(m_c);
    if (serveUntil(deadline) == Next::Lost)
        return true;
    createWindow(); // requests that came meanwhile found no owner
    m_time = serverTime();
    own();
    return false;
}

void Keeper::finish()
{
    std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
}

Keeper::Next Keeper::handle(const xcb_generic_event_t& event)
{
    const uint8_t type = event.response_type & 0x7f;
    if (type == XCB_SELECTION_REQUEST) {
        answer(reinterpret_cast<const xcb_selection_request_event_t&>(event));
        // A manager that copies every form it is offered has the text once it has them all.
        return m_givenToManager == EveryForm ? Next::Saved : Next::KeepServing;
    }
    if (type == XCB_SELECTION_CLEAR)
        return m_owning ? Next::Lost : Next::KeepServing;
    if (type == XCB_PROPERTY_NOTIFY) {
        const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        if (notify.state == XCB_PROPERTY_DELETE)
            sendNextPiece(notify.window, notify.atom);
        return Next::KeepServing;
    }
    if (m_ownerNotify != 0 && type == m_ownerNotify) {
        const auto& notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t&>(event);
        const bool another = notify.owner != XCB_NONE && notify.owner != m_window;
        return another ? Next::Lost : Next::KeepServing;
    }
    // A manager's answer to SAVE_TARGETS counts only where it took the text: a bridge that owns
    // CLIPBOARD_MANAGER but keeps nothing (XWayland's, in wlroots compositors) refuses, or
    // answers without asking for any form.
    const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
    if (type == XCB_SELECTION_NOTIFY && notify.selection == m_atoms.manager)
        return notify.property != XCB_NONE && (m_givenToManager & AnyText) ? Next::Saved
                                                                           : Next::Refused;
    return Next::KeepServing;
}

void Keeper::answer(const xcb_selection_request_event_t& request)
{
    // Old clients name no property: the target's name is used. MULTIPLE needs its own.
    const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
    bool given = false;
    if (request.selection == m_atoms.clipboard && request.owner == m_window) {
        given = request.target == m_atoms.multiple
                    ? request.property != XCB_NONE && putMultiple(request.requestor, property)
                    : putForm(request.requestor, request.target, property);
    }
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
}

bool Keeper::putForm(xcb_window_t to, xcb_atom_t target, xcb_atom_t property)
{
    if (target == m_atoms.targets) {
        // TIMESTAMP first: a manager that copies every form it is offered (xfce4-clipman)
        // loses the first one when it gives them back.
        const xcb_atom_t offered[] = {m_atoms.targets, m_atoms.timestamp, m_atoms.multiple,
                                      m_atoms.utf8,    XCB_ATOM_STRING,   m_atoms.text,
                                      m_atoms.mimeUtf8};
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, XCB_ATOM_ATOM, 32,
                            uint32_t(std::size(offered)), offered);
        return true;
    }
    const unsigned form = formOf(target);
    if (form == Timestamp)
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, XCB_ATOM_INTEGER, 32, 1,
                            &m_time);
    else if (form == Latin1)
        putBytes(to, property, XCB_ATOM_STRING, latin1());
    else if (form == MimeUtf8)
        putBytes(to, property, target, m_utf8);
    else if (form != 0)
        putBytes(to, property, m_atoms.utf8, m_utf8);
    else
        return false;
    if (m_managerClient != XCB_NONE && (to & ~m_clientMask) == m_managerClient)
        m_givenToManager |= form;
    if (form & AnyText)
        m_textFetched = true;
    return true;
}

// ICCCM's MULTIPLE: the property lists pairs of a target and a property to put it in; a pair
// whose target cannot be given gets None for its property.
bool Keeper::putMultiple(xcb_window_t to, xcb_atom_t property)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        m_c, xcb_get_property(m_c, 0, to, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
        nullptr);
    if (!reply || reply->format != 32) {
        std::free(reply);
        return false;
    }
    const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    std::vector<xcb_atom_t> pairs(begin, begin + (reply->value_len & ~1u));
    const xcb_atom_t type = reply->type == XCB_NONE ? m_atoms.atomPair : reply->type;
    std::free(reply);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        if (pairs[i] == m_atoms.multiple || pairs[i + 1] == XCB_NONE ||
            !putForm(to, pairs[i], pairs[i + 1]))
            pairs[i + 1] = XCB_NONE;
    }
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, type, 32, uint32_t(pairs.size()),
                        pairs.data());
    return true;
}

void Keeper::putBytes(xcb_window_t to, xcb_atom_t property, xcb_atom_t type,
                      const std::string& bytes)
{
    if (bytes.size() <= m_mostInOneRequest) {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, type, 8,
                            uint32_t(bytes.size()), bytes.data());
        return;
    }
    // INCR: the size first; each piece follows once the requestor has deleted the one before.
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_c, to, XCB_CW_EVENT_MASK, &events);
    const auto size = uint32_t(bytes.size());
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, to, property, m_atoms.incr, 32, 1, &size);
    std::erase_if(m_transfers,
                  [&](const Transfer& t) { return t.window == to && t.property == property; });
    m_transfers.push_back({to, property, type, &bytes, 0});
}

void Keeper::sendNextPiece(xcb_window_t window, xcb_atom_t property)
{
    const auto transfer = std::find_if(m_transfers.begin(), m_transfers.end(), [&](auto& t) {
        return t.window == window && t.property == property;
    });
    if (transfer == m_transfers.end())
        return;
    const size_t piece = std::min(m_mostInOneRequest, transfer->bytes->size() - transfer->sent);
    // The last piece is empty: it tells the requestor the text is whole.
    xcb_change_property(m_c, XCB_PROP_MODE_APPEND, window, property, transfer->type, 8,
                        uint32_t(piece), transfer->bytes->data() + transfer->sent);
    xcb_flush(m_c);
    transfer->sent += piece;
    if (piece == 0)
        m_transfers.erase(transfer);
}

unsigned Keeper::formOf(xcb_atom_t target) const
{
    return (target == m_atoms.timestamp ? Timestamp : 0u) | (target == m_atoms.utf8 ? Utf8 : 0u) |
           (target == XCB_ATOM_STRING ? Latin1 : 0u) | (target == m_atoms.text ? Text : 0u) |
           (target == m_atoms.mimeUtf8 ? MimeUtf8 : 0u);
}

const std::string& Keeper::latin1()
{
    if (!m_latin1Made)
        m_latin1 = latin1Of(m_utf8);
    m_latin1Made = true;
    return m_latin1;
}
