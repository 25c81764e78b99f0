#include "lookup/PrefixTable.h"

#include "dictionary/TermStore.h"
#include "dictionary/Windows1252.h"

#include <algorithm>

namespace {

quint32 packFirstFour(const char* folded, qsizetype size)
{
    quint32 packed = 0;
    for (qsizetype k = 0; k < std::min<qsizetype>(4, size); ++k)
        packed |= quint32(uchar(folded[k])) << (8 * k);
    return packed;
}

} // namespace

PrefixTable::Key::Key(QByteArray lowered) : bytes(std::move(lowered))
{
    const Windows1252& codec = Windows1252::instance();
    for (char& c : bytes)
        c = char(codec.fold(uchar(c)));
    const qsizetype head = std::min<qsizetype>(4, bytes.size());
    packed = packFirstFour(bytes.constData(), head);
    mask = head == 4 ? 0xFFFFFFFFu : (1u << (8 * head)) - 1;
}

PrefixTable::PrefixTable(const TermStore& store) : m_store(store)
{
    const Windows1252& codec = Windows1252::instance();
    m_prefix.resize(size_t(store.size()));
    m_length.resize(size_t(store.size()));
    for (qsizetype i = 0; i < store.size(); ++i) {
        const QByteArrayView term = store.termBytes(i);
        char folded[4] = {};
        const qsizetype n = std::min<qsizetype>(4, term.size());
        for (qsizetype k = 0; k < n; ++k)
            folded[k] = char(codec.fold(uchar(term[k])));
        m_prefix[size_t(i)] = packFirstFour(folded, n);
        m_length[size_t(i)] = quint8(std::min(term.size(), LongTerm));
    }
}

qsizetype PrefixTable::next(qsizetype from, const Key& key) const
{
    const auto count = qsizetype(m_prefix.size());
    const qsizetype keyLength = key.bytes.size();
    // Every term that begins with the key is at least this long in the table.
    const auto shortest = quint8(std::min(keyLength, LongTerm));
    const quint32* prefix = m_prefix.data();
    const quint8* length = m_length.data();
    for (qsizetype i = from; i < count; ++i) {
        if ((prefix[i] & key.mask) != key.packed || length[i] < shortest)
            continue;
        if (keyLength <= 4 || restMatches(i, key))
            return i;
    }
    return count;
}

bool PrefixTable::restMatches(qsizetype i, const Key& key) const
{
    const Windows1252& codec = Windows1252::instance();
    const QByteArrayView term = m_store.termBytes(i);
    if (term.size() < key.bytes.size())
        return false;
    for (qsizetype k = 4; k < key.bytes.size(); ++k) {
        if (codec.fold(uchar(term[k])) != uchar(key.bytes[k]))
            return false;
    }
    return true;
}
