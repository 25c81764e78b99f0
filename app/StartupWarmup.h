#pragma once

#include "dictionary/PageBuffer.h"

#include <QString>
#include <latch>
#include <thread>

// What the start-up will need, made ready on a second thread while the main thread connects to
// the display: fontconfig's configuration and font cache, which the first text a window lays out
// reads (about 3 ms), then the memory the dictionary is read into. The system zeroes fresh pages
// on first use, about 1 ms for ten megabytes, and on a virtual machine that now and then stalls
// for tens of milliseconds; here it costs the main thread nothing.
class StartupWarmup
{
public:
    explicit StartupWarmup(const QString& dictionaryPath);
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup&) = delete;
    StartupWarmup& operator=(const StartupWarmup&) = delete;

    // Returns once the configuration is read, so that Qt's first font lookup does not read it a
    // second time on its own.
    void waitForFonts();
    // Waits for the memory and hands it over; empty when none could be made ready.
    PageBuffer takeDictionaryMemory();

private:
    std::latch m_fontsRead{1};
    PageBuffer m_memory;
    std::thread m_thread;
};
