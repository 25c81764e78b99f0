#include "lookup/TermIndex.h"

#include "dictionary/TermStore.h"
#include "dictionary/Windows1252.h"

#include <bit>

TermIndex::TermIndex(const TermStore& store) : m_store(store)
{
    const size_t slotCount = std::bit_ceil(size_t(2 * store.size() + 2));
    m_slots.assign(slotCount, 0);
    m_mask = slotCount - 1;
    const Windows1252& codec = Windows1252::instance();
    QByteArray lowered;
    for (qsizetype i = 0; i < store.size(); ++i) {
        const QByteArrayView term = store.termBytes(i);
        lowered.resize(term.size());
        for (qsizetype k = 0; k < term.size(); ++k)
            lowered[k] = char(codec.lower(uchar(term[k])));
        for (quint64 s = hashLowered(lowered.constData(), lowered.size()) & m_mask;;
             s = (s + 1) & m_mask) {
            if (m_slots[s] == 0) {
                m_slots[s] = qint32(i + 1);
                break;
            }
            // An equal term earlier in the store already holds the slot: the first one wins.
            if (sameLowered(m_slots[s] - 1, lowered))
                break;
        }
    }
}

quint64 TermIndex::hashLowered(const char* bytes, qsizetype size)
{
    quint64 h = 1469598103934665603ull; // FNV-1a
    for (qsizetype k = 0; k < size; ++k)
        h = (h ^ uchar(bytes[k])) * 1099511628211ull;
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
    for (quint64 s = hashLowered(lowered->constData(), lowered->size()) & m_mask;;
         s = (s + 1) & m_mask) {
        if (m_slots[s] == 0)
            return -1;
        if (sameLowered(m_slots[s] - 1, *lowered))
            return m_slots[s] - 1;
    }
}
