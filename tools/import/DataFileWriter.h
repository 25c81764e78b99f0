#pragma once

#include "tools/import/DictdDatabase.h"

#include <QByteArray>

// Writes articles as a Quillary dictionary: Windows-1252, CR LF, the lead-in, one entry a line.
class DataFileWriter
{
public:
    static inline const QByteArray LeadIn = "##";

    struct Summary
    {
        qsizetype entries = 0;
        qsizetype replacedCharacters = 0; // not in Windows-1252, written as '?'
        qsizetype dottedExact = 0;        // a full stop in the term, kept exactly
        qsizetype dottedRewritten = 0;    // a full stop in the term, written as a middle dot
    };

    // Sources in order of precedence: sorted by term ignoring case, the earlier source first on
    // equal terms.
    static QByteArray build(const QList<QList<DictdDatabase::Article>>& sources, Summary& summary);
    static QByteArray line(const QString& term, const QString& definition, Summary& summary);
    // Written to a temporary name and renamed, so a failure leaves any earlier file untouched.
    static bool write(const QString& path, const QByteArray& bytes, QString& error);
};
