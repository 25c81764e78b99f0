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
            hashes[k] = hash(store.termBytes(first + k));
            __builtin_prefetch(&table[hashes[k] & m_mask], 1);
        }
        for (qsizetype k = 0; k < count; ++k)
            insert(first + k, hashes[k]);
    }
}

quint64 TermIndex::hash(QByteArrayView bytes)
{
    const Windows1252& codec = Windows1252::instance();
    quint64 h = 1469598103934665603ull;
    for (const char c : bytes)
        h = (h ^ codec.fold(uchar(c))) * 1099511628211ull;
    return h;
}

bool TermIndex::equal(QByteArrayView term, QByteArrayView other, Mapping mapping)
{
    if (term.size() != other.size())
        return false;
    const Windows1252& codec = Windows1252::instance();
    for (qsizetype k = 0; k < term.size(); ++k) {
        if ((codec.*mapping)(uchar(term[k])) != (codec.*mapping)(uchar(other[k])))
            return false;
    }
    return true;
}

void TermIndex::insert(qsizetype i, quint64 h)
{
    Slot* table = this->table();
    const QByteArrayView term = m_store.termBytes(i);
    for (quint64 s = h & m_mask;; s = (s + 1) & m_mask) {
        if (table[s].indexPlusOne == 0) {
            table[s] = Slot{quint32(h >> 32), qint32(i + 1)};
            return;
        }
        // A term equal ignoring case earlier in the store already holds a slot: the first one wins.
        if (table[s].hash == quint32(h >> 32) &&
            equal(m_store.termBytes(table[s].indexPlusOne - 1), term, &Windows1252::lower))
            return;
    }
}

qsizetype TermIndex::firstEqual(QStringView text, Equality equality) const
{
    // A character that lower-cases to nothing in the code page can equal no stored term.
    const std::optional<QByteArray> lowered = Windows1252::instance().encodeLowered(text);
    if (!lowered)
        return -1;
    const Mapping mapping =
        equality == Equality::IgnoringCase ? &Windows1252::lower : &Windows1252::fold;
    const quint64 h = hash(*lowered);
    const Slot* table = this->table();
    for (quint64 s = h & m_mask;; s = (s + 1) & m_mask) {
        if (table[s].indexPlusOne == 0)
            return -1;
        const qsizetype i = table[s].indexPlusOne - 1;
        if (table[s].hash == quint32(h >> 32) && equal(m_store.termBytes(i), *lowered, mapping))
            return i;
    }
}
