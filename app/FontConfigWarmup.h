#pragma once

#include <thread>

// Reads fontconfig's configuration and font cache on a second thread. The first text a window
// lays out needs it, and reading it (about 3 ms) overlaps the main thread's connecting to the
// display.
class FontConfigWarmup
{
public:
    FontConfigWarmup();
    ~FontConfigWarmup();
    FontConfigWarmup(const FontConfigWarmup&) = delete;
    FontConfigWarmup& operator=(const FontConfigWarmup&) = delete;

    // Returns once the configuration is read, so that Qt's first font lookup does not read it a
    // second time on its own.
    void wait();

private:
    std::thread m_thread;
};
