#include "dictionary/TermStore.h"

#include "dictionary/LineEnd.h"
#include "dictionary/Windows1252.h"

QString TermStore::term(qsizetype i) const
{
    return Windows1252::instance().decode(termBytes(i));
}

QString TermStore::entry(qsizetype i) const
{
    return Windows1252::instance().decode(entryBytes(i));
}

QByteArrayView TermStore::termBytes(qsizetype i) const
{
    const Line line = m_lines[size_t(i)];
    if (line.term & ComposedFlag) {
        const Span span = m_composedSpans[line.term & ~ComposedFlag];
        return QByteArrayView(m_composed).sliced(span.offset, span.length);
    }
    return QByteArrayView(m_text.data() + line.offset + (line.term >> LengthBits),
                          line.term & MaxLength);
}

QByteArrayView TermStore::entryBytes(qsizetype i) const
{
    const qsizetype start = m_lines[size_t(i)].offset;
    return QByteArrayView(m_text.data() + start,
                          LineEnd::find(m_text.data(), start, m_textSize) - start);
}

char* TermStore::textBuffer(qsizetype capacity)
{
    m_text.grow(size_t(capacity));
    return m_text.data();
}

void TermStore::appendComposed(Span entry, QByteArrayView term)
{
    m_lines.push_back(Line{quint32(entry.offset), quint32(m_composedSpans.size()) | ComposedFlag});
    m_composedSpans.push_back(Span{m_composed.size(), term.size()});
    m_composed.append(term);
}
