#pragma once

#include "dictionary/TermStore.h"

#include <QString>

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

    // The whole start-up, run once with the program's folder; returns false when the program was
    // ended instead.
    bool Form_Load(Forms& forms, const QString& programFolder);
    // Empty until Form_Load has loaded it; the main window is made after that.
    const TermStore& store() const { return m_store; }

private:
    static void fail(Forms& forms, const QString& line1, const QString& line2);

    TermStore m_store;
};
