#pragma once

#include "dictionary/PageBuffer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <latch>
#include <thread>
#include <utility>

// What the start-up will need, made ready on a second thread while the main thread connects to
// the display: fontconfig's configuration and font cache, which the first text a window lays out
// reads (about 3 ms), and the installed family that stands in for each family the windows ask for
// (Liberation Sans for Arial, say), then the memory the dictionary is read into. The system zeroes
// fresh pages on first use, about 1 ms for ten megabytes, and on a virtual machine that now and
// then stalls for tens of milliseconds; here it costs the main thread nothing.
class StartupWarmup
{
public:
    StartupWarmup(const QString& dictionaryPath, const QStringList& families);
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup&) = delete;
    StartupWarmup& operator=(const StartupWarmup&) = delete;

    // Returns once the configuration is read, so that Qt's first font lookup does not read it a
    // second time on its own.
    void waitForFonts();
    // After waitForFonts: each asked family that is not installed, with the installed family
    // fontconfig puts in its place.
    const QList<std::pair<QString, QString>>& standIns() const { return m_standIns; }
    // Waits for the memory and hands it over; empty when none could be made ready.
    PageBuffer takeDictionaryMemory();

private:
    std::latch m_fontsRead{1};
    QList<std::pair<QString, QString>> m_standIns;
    PageBuffer m_memory;
    std::thread m_thread;
};
