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

QString lower(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = lowerChar(text[i]);
    return out;
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

bool equalIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (lowerChar(a[i]) != lowerChar(b[i]))
            return false;
    }
    return true;
}

} // namespace TextRules
