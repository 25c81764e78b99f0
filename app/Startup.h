#pragma once

#include <QString>
#include <functional>

#include "dictionary/DictionaryLoader.h"
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

    // Hands over the dictionary's file as read ahead, or nothing; asked for just before the load,
    // so that the reading overlaps the splash.
    using ReadAheadSource = std::function<DictionaryLoader::ReadAhead()>;

    Startup() = default;
    explicit Startup(ReadAheadSource readAhead) : m_readAhead(std::move(readAhead)) {}

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

    ReadAheadSource m_readAhead;
    QString m_dataPath;
    TermStore m_store;
};
