// Keystroke to screen, as a user sees it: launches the program, clicks its search box and types
// keys through XTest, timing each from the key press to the first change of the main window's
// pixels (DAMAGE) and to the last change before 150 ms of quiet.
// Usage: bench_keystroke NAME PROGRAM   (in an X server without a window manager)
// Prints BENCH NAME_letter (median over several letters, each typed into an empty box),
// NAME_first_letter (the first of them after start-up, when Qt and the program set up what a
// keystroke needs; the median over several launches) and NAME_clear (the BackSpace that empties
// the box again), in ms to the last change.
#include "harness/XcbClient.h"
#include "harness/XcbInput.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

xcb_connection_t* c;
xcb_window_t root;
uint8_t damageEvent;

double msSince(Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// Waits up to `ms` for an event; returns it (or nullptr on time-out).
xcb_generic_event_t* nextEvent(double ms)
{
    const auto deadline = Clock::now() + std::chrono::microseconds(long(ms * 1000));
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(c))
            return event;
        const double left =
            std::chrono::duration<double, std::milli>(deadline - Clock::now()).count();
        if (left <= 0)
            return nullptr;
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, int(left) + 1);
    }
}

struct Timing
{
    double first = -1, last = -1;
};

// Damage events until `quietMs` pass without one; times relative to `start`.
Timing collect(xcb_damage_damage_t damage, Clock::time_point start, double quietMs)
{
    Timing t;
    while (xcb_generic_event_t* event = nextEvent(quietMs)) {
        const bool damaged = event->response_type == damageEvent + XCB_DAMAGE_NOTIFY;
        free(event);
        if (!damaged)
            continue;
        xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
        xcb_flush(c);
        const double at = msSince(start);
        if (t.first < 0)
            t.first = at;
        t.last = at;
    }
    return t;
}

Timing typeKey(xcb_damage_damage_t damage, xcb_keysym_t keysym)
{
    const xcb_keycode_t code = XcbInput::keycodeOf(c, keysym);
    const auto start = Clock::now();
    XcbInput::fake(c, root, XCB_KEY_PRESS, code);
    XcbInput::fake(c, root, XCB_KEY_RELEASE, code);
    xcb_flush(c);
    return collect(damage, start, 150);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Session
{
    std::vector<double> letters, clears;
};

// Launches the program, types the letters (each followed by BackSpace) and ends it.
Session typeIntoProgram(char* program)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, nullptr);
        _exit(127);
    }
    const xcb_window_t window = XcbClient::waitForMapped(c, "Quillary ");
    const xcb_damage_damage_t damage = xcb_generate_id(c);
    xcb_damage_create(c, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    collect(damage, Clock::now(), 500); // the window's first paint

    // A click into the search box (272, 129 to 473, 154 in the window) gives it the focus.
    XcbInput::click(c, root, window, 372, 141);
    collect(damage, Clock::now(), 300);

    Session typed;
    for (const char* k = "sdmtpcbrfa"; *k; ++k) {
        typed.letters.push_back(typeKey(damage, xcb_keysym_t(*k)).last);
        typed.clears.push_back(typeKey(damage, 0xff08 /* BackSpace */).last);
    }
    xcb_damage_destroy(c, damage);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return typed;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_keystroke NAME PROGRAM\n");
        return 2;
    }
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_keystroke: no X server\n");
        return 1;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    damageEvent = xcb_get_extension_data(c, &xcb_damage_id)->first_event;
    xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr);
    xcb_flush(c);

    std::vector<double> firsts, letters, clears;
    for (int launch = 0; launch < 5; ++launch) {
        const Session typed = typeIntoProgram(argv[2]);
        firsts.push_back(typed.letters.front());
        letters.insert(letters.end(), typed.letters.begin(), typed.letters.end());
        clears.insert(clears.end(), typed.clears.begin(), typed.clears.end());
    }
    std::printf("BENCH %s_letter %.1f ms\n", argv[1], median(letters));
    std::printf("BENCH %s_first_letter %.1f ms\n", argv[1], median(firsts));
    std::printf("BENCH %s_clear %.1f ms\n", argv[1], median(clears));
    xcb_disconnect(c);
    return 0;
}
