#include "ui/RtfReader.h"

#include "dictionary/Windows1252.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void RtfReader::read(QByteArrayView rtf, QTextDocument& document)
{
    document.clear();
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontFamilies({document.defaultFont().family()});
    format.setFontPointSize(12);
    QString font; // the font table's first name, as it is read
    bool fontNamed = false;
    int depth = 0;
    int fontTableDepth = -1; // the depth of the font table's group while it is read
    const Windows1252& codec = Windows1252::instance();
    for (qsizetype pos = 0; pos < rtf.size();) {
        const char c = rtf[pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == fontTableDepth) {
                fontTableDepth = -1;
                if (!font.trimmed().isEmpty())
                    format.setFontFamilies({font.trimmed()});
            }
            depth = std::max(0, depth - 1);
        } else if (c == '\\') {
            const qsizetype start = pos;
            while (pos < rtf.size() && isLetter(rtf[pos]))
                ++pos;
            const QByteArrayView word = rtf.sliced(start, pos - start);
            if (word.isEmpty()) {
                pos = std::min(rtf.size(), pos + (rtf.sliced(start).startsWith('\'') ? 3 : 1));
                continue; // a control symbol, or a \'hh escape
            }
            const qsizetype numberStart = pos;
            if (pos < rtf.size() && rtf[pos] == '-')
                ++pos;
            while (pos < rtf.size() && isDigit(rtf[pos]) && pos - numberStart < 9)
                ++pos;
            const int number = rtf.sliced(numberStart, pos - numberStart).toInt();
            if (pos < rtf.size() && rtf[pos] == ' ')
                ++pos; // the space that ends a control word belongs to it
            if (word == "fonttbl")
                fontTableDepth = depth;
            else if (word == "fs" && number > 0)
                format.setFontPointSize(number / 2.0);
            else if (word == "par" && fontTableDepth < 0)
                cursor.insertBlock();
        } else if (c == '\r' || c == '\n') {
            continue;
        } else if (fontTableDepth >= 0) {
            fontNamed = fontNamed || c == ';';
            if (!fontNamed)
                font += codec.toChar(uchar(c));
        } else {
            cursor.insertText(QString(codec.toChar(uchar(c))), format);
        }
    }
    cursor.setBlockCharFormat(format);
}
