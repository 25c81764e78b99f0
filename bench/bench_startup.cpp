// Times a program from launch until it maps a top-level window whose title starts with a prefix.
// Usage: bench_startup [--rounds N] NAME TITLE-PREFIX PROGRAM [FILE] [--bare NAME TITLE-PREFIX
// PROGRAM] (in an X server without a window manager). With FILE, also prints NAME_rss_ratio: the
// program's peak resident memory, read once it has been idle a moment after mapping the window,
// over FILE's size. With --bare, a second program is launched in turn with the first (ABBA), so the
// machine's drifting pace weighs on both alike, and NAME_over_bare gives the ratio of their
// medians.
#include "harness/XcbClient.h"

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

Run launchUntilMapped(xcb_connection_t* c, const std::string& prefix, char* program,
                      bool readMemory)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        char* args[] = {program, nullptr};
        execv(program, args);
        _exit(127);
    }
    Run run;
    if (XcbClient::waitForMapped(c, prefix) != 0)
        run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    // What the program does just after showing its window counts towards its memory too; without
    // that figure, a short pause still keeps one program's ending out of the next one's start.
    usleep(readMemory ? 500'000 : 100'000);
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

struct Subject
{
    const char* name = nullptr;
    const char* prefix = nullptr;
    char* program = nullptr;
    double fileKiB = 0;
    std::vector<double> ms, ratios;
};

// NAME TITLE-PREFIX PROGRAM
Subject subject(char** args)
{
    Subject s;
    s.name = args[0];
    s.prefix = args[1];
    s.program = args[2];
    return s;
}

bool launch(xcb_connection_t* c, Subject& subject)
{
    const Run run = launchUntilMapped(c, subject.prefix, subject.program, subject.fileKiB > 0);
    if (run.ms < 0)
        return false;
    subject.ms.push_back(run.ms);
    if (subject.fileKiB > 0)
        subject.ratios.push_back(double(run.peakKiB) / subject.fileKiB);
    return true;
}

void print(const Subject& subject)
{
    std::printf("BENCH %s %.1f ms\n", subject.name, median(subject.ms));
    if (subject.fileKiB > 0)
        std::printf("BENCH %s_rss_ratio %.2f x\n", subject.name, median(subject.ratios));
}

} // namespace

int main(int argc, char** argv)
{
    // A launch's time spreads widely here; a median of many keeps the ratio steady from run to run.
    int rounds = 0;
    if (argc > 2 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::atoi(argv[2]);
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    int ownArgs = argc;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--bare") == 0)
            ownArgs = k;
    }
    const bool withBare = ownArgs < argc;
    if ((ownArgs != 4 && ownArgs != 5) || (withBare && argc - ownArgs != 4)) {
        std::fprintf(stderr, "usage: bench_startup NAME TITLE-PREFIX PROGRAM [FILE] "
                             "[--bare NAME TITLE-PREFIX PROGRAM]\n");
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

    Subject program = subject(argv + 1);
    if (ownArgs == 5)
        program.fileKiB = double(fileSize(argv[4])) / 1024;
    Subject bare = withBare ? subject(argv + ownArgs + 1) : Subject();
    std::vector<Subject*> subjects{&program};
    if (withBare)
        subjects.push_back(&bare);

    for (Subject* subject : subjects) // warm the caches once
        launchUntilMapped(c, subject->prefix, subject->program, false);
    if (rounds <= 0)
        rounds = withBare ? 31 : 7;
    for (int round = 0; round < rounds; ++round) {
        for (size_t k = 0; k < subjects.size(); ++k) {
            Subject& subject = *subjects[round % 2 == 0 ? k : subjects.size() - 1 - k];
            if (!launch(c, subject))
                return 1;
        }
    }
    if (withBare)
        print(bare);
    print(program);
    if (withBare)
        std::printf("BENCH %s_over_bare %.2f x\n", program.name,
                    median(program.ms) / median(bare.ms));
    xcb_disconnect(c);
    return 0;
}
