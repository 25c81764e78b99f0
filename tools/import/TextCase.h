#pragma once

#include "dictionary/TextRules.h"

#include <QString>

// The program's lower case over whole strings: what the importer compares terms by, and what the
// tests and fuzz targets check the program's own byte-wise paths against.
namespace TextCase {

inline QString lower(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = TextRules::lowerChar(text[i]);
    return out;
}

inline bool equalIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (TextRules::lowerChar(a[i]) != TextRules::lowerChar(b[i]))
            return false;
    }
    return true;
}

} // namespace TextCase
