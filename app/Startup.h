#pragma once

#include <QString>
#include <functional>

#include "dictionary/TermStore.h"

class Forms;

// The program's start-up: splash, the dictionary check and load, the full term list, then the
// main window. It keeps the loaded store, which the windows read for the rest of the run.
class Startup
{
public:
    static inline const QString NotFound = QStringLiteral("Sorry ! The database was not found.");
    static inline const QString NoTerms = QStringLiteral("Sorry ! The database holds no terms.");
    static inline const QString Unreadable =
        QStringLiteral("Sorry ! The database could not be read.");
    static inline const QString Reinstall = QStringLiteral("Please re-install this software.");

    // Hands over memory made ready for the dictionary's text, or none; asked for just before the
    // load, so that making it ready overlaps the splash.
    using PreparedMemory = std::function<PageBuffer()>;

    Startup() = default;
    explicit Startup(PreparedMemory preparedMemory) : m_preparedMemory(std::move(preparedMemory)) {}

    // Returns false when the program was ended instead.
    bool Form_Load(Forms& forms, const QString& programFolder);

    static QString dataPathIn(const QString& programFolder)
    {
        return programFolder + QStringLiteral("/data.dat");
    }

    // The dictionary's full path, formed once by Form_Load.
    const QString& DataPath() const { return m_dataPath; }
    const TermStore& store() const { return m_store; }

private:
    static void fail(Forms& forms, const QString& line1, const QString& line2);

    PreparedMemory m_preparedMemory;
    QString m_dataPath;
    TermStore m_store;
};
