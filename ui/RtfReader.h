#pragma once

#include <QByteArrayView>

class QTextDocument;

// Reads what the panel's first document uses of Rich Text Format: the font table's first font, the
// size (\fs), paragraphs (\par) and text. Anything else is passed over; no input makes it fail.
class RtfReader
{
public:
    static void read(QByteArrayView rtf, QTextDocument& document);
};
