#pragma once

#include <QString>

// The program's two text rules: only the space character is trimmed, and lower case is taken
// character by character so that a string keeps its length.
namespace TextRules {

QChar lowerChar(QChar c);
QStringView trimSpaces(QStringView text);
// The whole-string forms of the rule, used by the importer, the fuzz targets and the tests to check
// the program's own faster paths against it; the program itself compares through its indices.
QString lower(QStringView text);
bool equalIgnoringCase(QStringView a, QStringView b);

} // namespace TextRules
