#pragma once

#include "dictionary/Windows1252.h"

#include <QStringList>

// The dictionary rules written the plain way, one QString per line, as the oracle that the fast
// store is checked against.
namespace ReferenceReading {

struct Entry
{
    QString term;
    QString entry;
};

inline QString trimSpaces(QString s)
{
    while (s.startsWith(u' '))
        s.remove(0, 1);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

inline QList<Entry> read(QByteArrayView bytes)
{
    const QString text = Windows1252::instance().decode(bytes);
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << line;
            line.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        lines << line;

    QList<Entry> out;
    bool first = true;
    for (QString l : lines) {
        if (trimSpaces(l).isEmpty())
            continue;
        if (first) {
            first = false;
            l = l.mid(2);
            if (l.isEmpty())
                continue;
        }
        const QStringList pieces = l.split(u'.');
        QString head = pieces[0];
        QString term;
        if (head.size() > 2) {
            if (head.endsWith(u'n'))
                head.chop(1);
            term = trimSpaces(head);
        } else if (pieces.size() > 1) {
            term = trimSpaces(head) + u'.' + trimSpaces(pieces[1]);
        } else {
            term = trimSpaces(head);
        }
        out.append({term, l});
    }
    return out;
}

} // namespace ReferenceReading
