#pragma once

#include <QString>

// The program's two text rules: only the space character is trimmed, and lower case is taken
// character by character so that a string keeps its length.
namespace TextRules {

QChar lowerChar(QChar c);
QStringView trimSpaces(QStringView text);

} // namespace TextRules
