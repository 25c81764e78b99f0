#pragma once

#include "tools/import/DictdDatabase.h"

#include <QByteArray>

// Writes dictionaries as one Quillary dictionary: Windows-1252, CR LF, the lead-in, one entry a
// line, one entry per term ignoring case.
class DataFileWriter
{
public:
    static inline const QByteArray LeadIn = "##";

    struct Source
    {
        QString name; // shown before each of its definitions in an entry that merges several
        QList<DictdDatabase::Article> articles;
    };

    struct Summary
    {
        qsizetype entries = 0;
        qsizetype aliases = 0;            // headwords after an article's first
        qsizetype merged = 0;             // headwords that joined an entry of an earlier equal term
        qsizetype replacedCharacters = 0; // not in Windows-1252, written as '?'
        qsizetype plainForms = 0;         // not in Windows-1252, written in a plain form (->, pi)
        qsizetype dottedExact = 0;        // a full stop in a headword, kept exactly
        QStringList notWindows1252;       // headwords written with '?'
        QStringList dottedRewritten;      // headwords whose full stops became middle dots
    };

    // Sources in order of precedence: entries sorted by term ignoring case; an entry's
    // definitions in source order, then article order.
    static QByteArray build(const QList<Source>& sources, Summary& summary);
    // The term as the loader reads it back from the file.
    static QString writtenTerm(const QString& headword);
    // Written to a temporary name and renamed, so a failure leaves any earlier file untouched.
    static bool write(const QString& path, const QByteArray& bytes, QString& error);
};
