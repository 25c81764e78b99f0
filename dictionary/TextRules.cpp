#include "dictionary/TextRules.h"

namespace TextRules {

QChar lowerChar(QChar c)
{
    // Surrogate halves stay as they are, which keeps the length; BMP letters use simple mapping.
    if (c.isSurrogate())
        return c;
    const char32_t lowered = QChar::toLower(char32_t(c.unicode()));
    return lowered <= 0xFFFF ? QChar(char16_t(lowered)) : c;
}

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace TextRules
