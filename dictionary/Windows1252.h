#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The dictionary's 8-bit code page. Every byte maps to exactly one character, so character
// positions and byte positions of a line are the same.
class Windows1252
{
public:
    static const Windows1252& instance();

    QChar toChar(uchar byte) const { return m_chars[byte]; }
    // Lower case of a byte's character, itself a byte: the code page is closed under lower case.
    uchar lower(uchar byte) const { return m_lower[byte]; }
    // What lookups compare: the lower case, with the middle dot (0xB7) as a full stop, since a long
    // head cannot hold a full stop and no keyboard types a middle dot.
    uchar fold(uchar byte) const { return m_fold[byte]; }
    std::optional<uchar> fromChar(QChar c) const;

    QString decode(QByteArrayView bytes) const;
    // The bytes of text lowered character by character; nullopt when a character has no byte.
    std::optional<QByteArray> encodeLowered(QStringView text) const;

private:
    Windows1252();

    std::array<QChar, 256> m_chars{};
    std::array<uchar, 256> m_lower{};
    std::array<uchar, 256> m_fold{};
};
