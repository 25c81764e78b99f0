#pragma once

#include "dictionary/PageBuffer.h"

#include <QByteArray>
#include <QString>

// The loaded dictionary: for each entry line, in file order, its display term and its whole text.
// Lines are kept as the file's own Windows-1252 bytes in one buffer and decoded when read, which
// keeps a large dictionary close to the size of its file.
class TermStore
{
public:
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };

    qsizetype size() const { return qsizetype(m_entries.size()); }

    QString term(qsizetype i) const;
    QString entry(qsizetype i) const;
    QByteArrayView termBytes(qsizetype i) const;
    QByteArrayView entryBytes(qsizetype i) const;

    // Filled by the loader only: the file's bytes first, then one call per entry line.
    char* textBuffer(qsizetype capacity);
    void setTextSize(qsizetype size) { m_textSize = size; }
    QByteArrayView text() const { return {m_text.data(), m_textSize}; }
    void reserve(qsizetype entries);
    void append(Span entry, Span term);
    void appendComposed(Span entry, QByteArrayView term);

private:
    static constexpr qsizetype ComposedFlag = qsizetype(1) << 62;

    PageBuffer m_text;
    qsizetype m_textSize = 0;
    QByteArray m_composed; // display terms that are not a slice of their own line
    PageVector<Span> m_entries;
    PageVector<Span> m_terms;
};
