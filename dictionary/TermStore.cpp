#include "dictionary/TermStore.h"

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
    const Span span = m_terms[size_t(i)];
    if (span.offset & ComposedFlag)
        return QByteArrayView(m_composed).sliced(span.offset & ~ComposedFlag, span.length);
    return QByteArrayView(m_text.data() + span.offset, span.length);
}

QByteArrayView TermStore::entryBytes(qsizetype i) const
{
    const Span span = m_entries[size_t(i)];
    return QByteArrayView(m_text.data() + span.offset, span.length);
}

char* TermStore::textBuffer(qsizetype capacity)
{
    m_text.grow(size_t(capacity));
    return m_text.data();
}

void TermStore::reserve(qsizetype entries)
{
    m_entries.reserve(size_t(entries));
    m_terms.reserve(size_t(entries));
}

void TermStore::append(Span entry, Span term)
{
    m_entries.push_back(entry);
    m_terms.push_back(term);
}

void TermStore::appendComposed(Span entry, QByteArrayView term)
{
    m_entries.push_back(entry);
    m_terms.push_back(Span{m_composed.size() | ComposedFlag, term.size()});
    m_composed.append(term);
}
