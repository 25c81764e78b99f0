#pragma once

#include <QString>

// The program's two text rules: only the space character is trimmed, and lower case is taken
// character by character so that a string keeps its length.
namespace TextRules {

QChar lowerChar(QChar c);
QString lower(QStringView text);
QStringView trimSpaces(QStringView text);
bool equalIgnoringCase(QStringView a, QStringView b);

} // namespace TextRules
