#pragma once

#include <QByteArrayView>

class QTextDocument;

// Reads what the panel's first document uses of Rich Text Format: the first font of the font
// table, the font size (\fs), paragraphs (\par) and their text. Every other control word and
// symbol is passed over; no input makes it fail.
class RtfReader
{
public:
    static void read(QByteArrayView rtf, QTextDocument& document);
};
