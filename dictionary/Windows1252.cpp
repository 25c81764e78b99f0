#include "dictionary/Windows1252.h"

#include "dictionary/TextRules.h"

#include <QStringDecoder>

const Windows1252& Windows1252::instance()
{
    static const Windows1252 codec;
    return codec;
}

Windows1252::Windows1252()
{
    // Filled once from Qt's decoder; bytes it leaves undefined become their C1 control, as on
    // Windows, so no byte is ever lost.
    QStringDecoder decoder("windows-1252");
    for (size_t b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
        const bool usable = s.size() == 1 && s.at(0) != QChar::ReplacementCharacter;
        m_chars[b] = usable ? s.at(0) : QChar(char16_t(b));
    }
    for (size_t b = 0; b < 256; ++b) {
        const auto lowered = fromChar(TextRules::lowerChar(m_chars[b]));
        m_lower[b] = lowered ? *lowered : uchar(b);
    }
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
