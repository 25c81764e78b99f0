#pragma once

#include "dictionary/PageBuffer.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The loaded dictionary: each entry line's display term and whole text, in file order. The file's
// bytes stay in one buffer, decoded when read; an entry adds eight bytes (its line's start, where
// its term lies), so a large dictionary stays close to its file's size. An entry runs to the next
// line end.
class TermStore
{
public:
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };

    // Offsets are 32-bit: the loader refuses a larger file.
    static constexpr qsizetype MaxTextSize = qsizetype(0xFFFFFFFFu);

    qsizetype size() const { return qsizetype(m_lines.size()); }

    QString term(qsizetype i) const;
    QString entry(qsizetype i) const;
    QByteArrayView termBytes(qsizetype i) const;
    QByteArrayView entryBytes(qsizetype i) const;

    // Filled by the loader only: the file's bytes first, then one call per entry line.
    char* textBuffer(qsizetype capacity);
    void setTextSize(qsizetype size) { m_textSize = size; }
    QByteArrayView text() const { return {m_text.data(), m_textSize}; }
    // An entry whose line ends at the next line end of the text, its term a slice of the line.
    void append(Span entry, Span term)
    {
        const qsizetype start = term.offset - entry.offset;
        if (start > MaxStart || term.length > MaxLength) {
            appendComposed(entry, QByteArrayView(m_text.data() + term.offset, term.length));
            return;
        }
        m_lines.push_back(
            Line{quint32(entry.offset), quint32(start) << LengthBits | quint32(term.length)});
    }
    void appendComposed(Span entry, QByteArrayView term);

private:
    struct Line
    {
        quint32 offset;
        // The term: its start within the line (7 bits) and its length (24 bits), or, with the top
        // bit, the index of a term kept in m_composed.
        quint32 term;
    };
    static constexpr quint32 ComposedFlag = 0x80000000u;
    static constexpr quint32 LengthBits = 24;
    static constexpr quint32 MaxStart = 0x7F;
    static constexpr quint32 MaxLength = (1u << LengthBits) - 1;

    PageBuffer m_text;
    qsizetype m_textSize = 0;
    QByteArray m_composed; // display terms that are not a short slice of their own line
    std::vector<Span> m_composedSpans;
    PageVector<Line> m_lines;
};
