// Times a program from launch until it maps a top-level window whose title starts with a prefix.
// Usage: bench_startup NAME TITLE-PREFIX PROGRAM [FILE]   (in an X server without a window manager)
// With FILE, also prints NAME_rss_ratio: the program's peak resident memory, read once it has
// been idle a moment after mapping the window, over FILE's size.
#include "XcbTitle.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

// The process's peak resident set in KiB, from /proc.
long peakKiB(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE* status = std::fopen(path.c_str(), "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kib = std::atol(line + 6);
    }
    std::fclose(status);
    return kib;
}

struct Run
{
    double ms = -1;
    long peakKiB = -1;
};

Run launchUntilMapped(xcb_connection_t* c, const std::string& prefix, char* program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        char* args[] = {program, nullptr};
        execv(program, args);
        _exit(127);
    }
    Run run;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t window =
            mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        free(event);
        if (mapped && titleOf(c, window).rfind(prefix, 0) == 0) {
            run.ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    usleep(500'000); // what the program does just after showing its window counts too
    run.peakKiB = peakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long long fileSize(const char* path)
{
    struct stat info;
    return stat(path, &info) == 0 ? info.st_size : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: bench_startup NAME TITLE-PREFIX PROGRAM [FILE]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_startup: no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    launchUntilMapped(c, argv[2], argv[3]); // warm the caches once
    std::vector<double> ms, ratios;
    const double fileKiB = argc == 5 ? double(fileSize(argv[4])) / 1024 : 0;
    for (int k = 0; k < 7; ++k) {
        const Run run = launchUntilMapped(c, argv[2], argv[3]);
        if (run.ms < 0)
            return 1;
        ms.push_back(run.ms);
        ratios.push_back(double(run.peakKiB) / fileKiB);
    }
    std::printf("BENCH %s %.0f ms\n", argv[1], median(ms));
    if (fileKiB > 0)
        std::printf("BENCH %s_rss_ratio %.2f x\n", argv[1], median(ratios));
    xcb_disconnect(c);
    return 0;
}
