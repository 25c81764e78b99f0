// Exit after a copy, as a user waits, in an X server without a window manager: launches the
// program, clicks a row, copies its entry with Copy Definition or copies nothing, and times Ctrl+Q
// (XTest) to the main window's going and to the program's end; the two kinds of launch in turn.
// A kept text is then served by quillary-clip or by a clipboard manager.
// Usage: bench_exit NAME PROGRAM [ROUNDS]   (PROGRAM's dictionary has at least three rows)
// Prints BENCH NAME_copied, NAME_nothing_copied and NAME_ratio for the window's going (what the
// user waits for), and the same with _end for the program's end (medians, ms).
#include "harness/XcbClient.h"
#include "harness/XcbInput.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

xcb_connection_t* c;
xcb_window_t root;

double msSince(Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void key(xcb_keysym_t keysym, uint8_t type)
{
    XcbInput::fake(c, root, type, XcbInput::keycodeOf(c, keysym));
}

struct Ending
{
    double gone, end; // ms after Ctrl+Q
};

// The main window unmapped (or destroyed with its connection).
void waitUntilGone(xcb_window_t window)
{
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const uint8_t type = event->response_type & 0x7f;
        const bool gone = (type == XCB_UNMAP_NOTIFY &&
                           reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window == window) ||
                          (type == XCB_DESTROY_NOTIFY &&
                           reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == window);
        std::free(event);
        if (gone)
            return;
    }
}

// One launch: the third row chosen, its entry copied or not, then Ctrl+Q.
Ending exitTime(char* program, bool copy)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, nullptr);
        _exit(127);
    }
    const xcb_window_t window = XcbClient::waitForMapped(c, "Quillary ");
    const uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY; // its unmapping, in any frame
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &structure);
    usleep(300'000);
    XcbInput::click(c, root, window, 60, 167); // the third row
    usleep(300'000);
    if (copy)
        XcbInput::click(c, root, window, 336, 452); // Copy Definition
    usleep(500'000); // as a user's next key comes, after a manager has fetched the copy
    key(0xffe3 /* Control_L */, XCB_KEY_PRESS);
    xcb_flush(c);
    XcbClient::roundTrip(c);
    const auto start = Clock::now();
    key('q', XCB_KEY_PRESS);
    xcb_flush(c);
    waitUntilGone(window);
    const double gone = msSince(start);
    waitpid(pid, nullptr, 0);
    const double end = msSince(start);
    key('q', XCB_KEY_RELEASE);
    key(0xffe3, XCB_KEY_RELEASE);
    xcb_flush(c);
    return {gone, end};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char* name, const std::vector<double>& copied, const std::vector<double>& nothing)
{
    const double a = median(copied), b = median(nothing);
    std::printf("BENCH %s_copied %.1f ms\n", name, a);
    std::printf("BENCH %s_nothing_copied %.1f ms\n", name, b);
    std::printf("BENCH %s_ratio %.2f x\n", name, a / b);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: bench_exit NAME PROGRAM [ROUNDS]\n");
        return 2;
    }
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_exit: no X server\n");
        return 1;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const int rounds = argc == 4 ? std::atoi(argv[3]) : 7;
    std::vector<double> copied, nothing, copiedEnd, nothingEnd;
    for (int round = 0; round < rounds; ++round) {
        const Ending a = exitTime(argv[2], true);
        const Ending b = exitTime(argv[2], false);
        copied.push_back(a.gone);
        copiedEnd.push_back(a.end);
        nothing.push_back(b.gone);
        nothingEnd.push_back(b.end);
    }
    report(argv[1], copied, nothing);
    report((std::string(argv[1]) + "_end").c_str(), copiedEnd, nothingEnd);
    xcb_disconnect(c);
    return 0;
}
