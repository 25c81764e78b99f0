#include "dictionary/Windows1252.h"

#include "dictionary/TextRules.h"

namespace {

// What 0x80 to 0x9F stand for; the five bytes the code page leaves undefined stay their C1
// control, as on Windows, so no byte is ever lost. Every other byte is its Latin-1 character.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr uchar MiddleDot = 0xB7;

} // namespace

const Windows1252& Windows1252::instance()
{
    static const Windows1252 codec;
    return codec;
}

// Built from the table above and the text rules' lower case, with no converter to open.
Windows1252::Windows1252()
{
    for (size_t b = 0; b < 256; ++b)
        m_chars[b] = QChar(b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : char16_t(b));
    for (size_t b = 0; b < 256; ++b) {
        const auto lowered = fromChar(TextRules::lowerChar(m_chars[b]));
        m_lower[b] = lowered ? *lowered : uchar(b);
        m_fold[b] = m_lower[b];
    }
    m_fold[MiddleDot] = '.';
}

std::optional<uchar> Windows1252::fromChar(QChar c) const
{
    if (c.unicode() < 0x80)
        return uchar(c.unicode());
    for (size_t b = 0x80; b < 256; ++b) {
        if (m_chars[b] == c)
            return uchar(b);
    }
    return std::nullopt;
}

QString Windows1252::decode(QByteArrayView bytes) const
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char byte : bytes)
        *dst++ = m_chars[uchar(byte)];
    return out;
}

std::optional<QByteArray> Windows1252::encodeLowered(QStringView text) const
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = fromChar(TextRules::lowerChar(text[i]));
        if (!byte)
            return std::nullopt;
        out[i] = char(*byte);
    }
    return out;
}
