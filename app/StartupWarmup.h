#pragma once

#include "dictionary/DictionaryLoader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <latch>
#include <thread>
#include <utility>

// What the start-up will need, made ready on a second thread while the main thread connects to
// the display: fontconfig's configuration and font cache, which the first text a window lays out
// reads (about 3 ms), and the installed family that stands in for each family the windows ask for
// (Liberation Sans for Arial, say), then, once the application object exists, the dictionary's
// file. Copying it out of the system's cache takes about 1 ms for ten megabytes, and the fresh
// pages it goes into are zeroed on first use, which on a virtual machine now and then stalls for
// tens of milliseconds; here neither costs the main thread anything. The load proper, after the
// splash, still works on the bytes.
class StartupWarmup
{
public:
    StartupWarmup(const QString& dictionaryPath, const QStringList& families);
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup&) = delete;
    StartupWarmup& operator=(const StartupWarmup&) = delete;

    // The application object exists: the file may be read now, alongside the splash.
    void applicationStarted();
    // Returns once the configuration is read, so that Qt's first font lookup does not read it a
    // second time on its own.
    void waitForFonts();
    // After waitForFonts: each asked family that is not installed, with the installed family
    // fontconfig puts in its place.
    const QList<std::pair<QString, QString>>& standIns() const { return m_standIns; }
    // Waits for the file's bytes and hands them over; nothing when they could not be read.
    DictionaryLoader::ReadAhead takeDictionary();

private:
    std::latch m_fontsRead{1};
    std::latch m_applicationUp{1};
    bool m_applicationStarted = false;
    QList<std::pair<QString, QString>> m_standIns;
    DictionaryLoader::ReadAhead m_dictionary;
    std::thread m_thread;
};
