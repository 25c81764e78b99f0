#include "lookup/TermIndex.h"

#include "dictionary/TermStore.h"
#include "dictionary/Windows1252.h"

#include <algorithm>
#include <bit>

TermIndex::TermIndex(const TermStore& store) : m_store(store)
{
    const size_t slotCount = std::bit_ceil(size_t(2 * store.size() + 2));
    m_table.grow(slotCount * sizeof(Slot));
    m_mask = slotCount - 1;
    Slot* table = this->table();

    // Terms go in batches: hashes first, with their slots fetched ahead, then the inserts, so that
    // the table's cache misses overlap instead of coming one after another.
    constexpr qsizetype Batch = 32;
    quint64 hashes[Batch];
    for (qsizetype first = 0; first < store.size(); first += Batch) {
        const qsizetype count = std::min(Batch, store.size() - first);
        for (qsizetype k = 0; k < count; ++k) {
            hashes[k] = hashOfTerm(first + k);
            __builtin_prefetch(&table[hashes[k] & m_mask], 1);
        }
        for (qsizetype k = 0; k < count; ++k)
            insert(first + k, hashes[k]);
    }
}

quint64 TermIndex::hashOfTerm(qsizetype i) const
{
    const Windows1252& codec = Windows1252::instance();
    quint64 h = HashStart;
    for (const char c : m_store.termBytes(i))
        h = hashStep(h, codec.lower(uchar(c)));
    return h;
}

void TermIndex::insert(qsizetype i, quint64 h)
{
    Slot* table = this->table();
    for (quint64 s = h & m_mask;; s = (s + 1) & m_mask) {
        if (table[s].indexPlusOne == 0) {
            table[s] = Slot{quint32(h >> 32), qint32(i + 1)};
            return;
        }
        // An equal term earlier in the store already holds the slot: the first one wins.
        if (table[s].hash == quint32(h >> 32) && sameTerm(table[s].indexPlusOne - 1, i))
            return;
    }
}

bool TermIndex::sameTerm(qsizetype a, qsizetype b) const
{
    const QByteArrayView x = m_store.termBytes(a);
    const QByteArrayView y = m_store.termBytes(b);
    if (x.size() != y.size())
        return false;
    const Windows1252& codec = Windows1252::instance();
    for (qsizetype k = 0; k < x.size(); ++k) {
        if (codec.lower(uchar(x[k])) != codec.lower(uchar(y[k])))
            return false;
    }
    return true;
}

quint64 TermIndex::hashLowered(const char* bytes, qsizetype size)
{
    quint64 h = HashStart;
    for (qsizetype k = 0; k < size; ++k)
        h = hashStep(h, uchar(bytes[k]));
    return h;
}

bool TermIndex::sameLowered(qsizetype index, QByteArrayView lowered) const
{
    const QByteArrayView term = m_store.termBytes(index);
    if (term.size() != lowered.size())
        return false;
    const Windows1252& codec = Windows1252::instance();
    for (qsizetype k = 0; k < term.size(); ++k) {
        if (codec.lower(uchar(term[k])) != uchar(lowered[k]))
            return false;
    }
    return true;
}

qsizetype TermIndex::firstEqualIgnoringCase(QStringView text) const
{
    // A character that lower-cases to nothing in the code page can equal no stored term.
    const std::optional<QByteArray> lowered = Windows1252::instance().encodeLowered(text);
    if (!lowered)
        return -1;
    const quint64 h = hashLowered(lowered->constData(), lowered->size());
    const Slot* table = this->table();
    for (quint64 s = h & m_mask;; s = (s + 1) & m_mask) {
        if (table[s].indexPlusOne == 0)
            return -1;
        if (table[s].hash == quint32(h >> 32) && sameLowered(table[s].indexPlusOne - 1, *lowered))
            return table[s].indexPlusOne - 1;
    }
}
