#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>
#include <xcb/xcb.h>

// The X side of quillary-clip: owns the clipboard with one text and serves it, in every form a
// client may ask for, until it has a new home or another program copies.
class Keeper
{
public:
    using Clock = std::chrono::steady_clock;

    enum class Next
    {
        KeepServing,
        Saved,   // a clipboard manager has the text
        Refused, // a manager answered without taking it
        Lost,    // another program owns the clipboard
        Closed,
        TimedOut
    };

    Keeper() = default;
    ~Keeper();
    Keeper(const Keeper&) = delete;
    Keeper& operator=(const Keeper&) = delete;

    // Connects to the X server and learns the names it needs, before the text comes.
    bool connect();
    // Takes the clipboard, with the text (UTF-8), from its present owner, which must be a window
    // of the X client whose resource ids are base | (id & mask), the program that copied; else
    // does nothing.
    bool takeOverFrom(std::string utf8, uint32_t ownBase, uint32_t ownMask);

    // Finds the clipboard manager, if any, and starts watching who owns the clipboard: once the
    // program has gone, which takeOverFrom lets it do as soon as it can.
    void lookAround();
    bool managerPresent() const { return m_managerClient != XCB_NONE; }
    // Asks the clipboard manager to save the text forms (ICCCM's SAVE_TARGETS), then serves until
    // it has them or refuses, or until the deadline.
    Next handOverToManager(Clock::time_point deadline);
    // Serves until the clipboard is lost, a manager has the text or refused it, or the deadline.
    Next serveUntil(Clock::time_point deadline);

    // Whether any client has fetched the text itself since the take-over: a desktop that watches
    // the clipboard does so at once.
    bool textFetched() const { return m_textFetched; }
    // Lets the clipboard go and waits up to the deadline for another program to own it: a desktop
    // that keeps the clipboard itself takes it back. If none does, takes it again and returns
    // false.
    bool releaseToDesktop(Clock::time_point deadline);

    const std::string& text() const { return m_utf8; }
    // Waits until the server has read every request, the last answer among them.
    void finish();

private:
    struct Atoms
    {
        xcb_atom_t clipboard, manager, saveTargets, targets, timestamp, multiple, atomPair, incr,
            utf8, text, mimeUtf8;
    };
    // A text too large for one request, sent a piece at a time (ICCCM's INCR).
    struct Transfer
    {
        xcb_window_t window;
        xcb_atom_t property, type;
        const std::string* bytes;
        size_t sent;
    };

    void internAtoms();
    xcb_window_t owner(xcb_atom_t selection) const;
    xcb_timestamp_t serverTime() const;
    void createWindow();
    bool own();
    bool watchOwner();

    Next handle(const xcb_generic_event_t& event);
    void answer(const xcb_selection_request_event_t& request);
    bool putForm(xcb_window_t to, xcb_atom_t target, xcb_atom_t property);
    bool putMultiple(xcb_window_t to, xcb_atom_t property);
    void putBytes(xcb_window_t to, xcb_atom_t property, xcb_atom_t type, const std::string& bytes);
    void sendNextPiece(xcb_window_t window, xcb_atom_t property);
    unsigned formOf(xcb_atom_t target) const;
    const std::string& latin1();

    std::string m_utf8, m_latin1;
    bool m_latin1Made = false;
    xcb_connection_t* m_c = nullptr;
    int m_screen = 0;
    Atoms m_atoms{};
    xcb_window_t m_root = XCB_NONE, m_window = XCB_NONE;
    xcb_timestamp_t m_time = XCB_CURRENT_TIME;
    uint8_t m_ownerNotify = 0; // XFixes' event for a new clipboard owner, or 0 without XFixes
    size_t m_mostInOneRequest = 0;
    std::vector<Transfer> m_transfers;
    // The clipboard manager's X client, and which forms it has been given.
    uint32_t m_managerClient = XCB_NONE;
    uint32_t m_clientMask = 0;
    unsigned m_givenToManager = 0;
    bool m_textFetched = false;
    bool m_owning = false;
};
