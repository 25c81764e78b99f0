#pragma once

#include <QByteArrayView>

class QTextDocument;

// Reads the small part of Rich Text Format that the program's panel starts with: groups, control
// words with parameters, the font table, font sizes, bold and italic, paragraphs, tabs, \'hh and
// \u escapes. Other control words and destinations are skipped; no input makes it fail.
class RtfReader
{
public:
    static void read(QByteArrayView rtf, QTextDocument& document);
};
