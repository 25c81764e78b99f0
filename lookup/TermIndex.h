#pragma once

#include "dictionary/PageBuffer.h"

#include <QString>

class TermStore;

// Answers "the first stored term equal to this text ignoring case" without a scan of the store:
// an open-addressing table keyed by the lower-cased term, each slot holding the key's hash and
// the store index.
class TermIndex
{
public:
    explicit TermIndex(const TermStore& store);

    qsizetype firstEqualIgnoringCase(QStringView text) const; // -1 when no term is equal

private:
    struct Slot
    {
        quint32 hash;
        qint32 indexPlusOne; // 0 marks an empty slot
    };

    // FNV-1a, over lower-cased code-page bytes.
    static constexpr quint64 HashStart = 1469598103934665603ull;
    static constexpr quint64 hashStep(quint64 h, uchar byte)
    {
        return (h ^ byte) * 1099511628211ull;
    }
    static quint64 hashLowered(const char* bytes, qsizetype size);
    quint64 hashOfTerm(qsizetype i) const; // the same hash, of term i lower-cased
    void insert(qsizetype i, quint64 hash);
    bool sameTerm(qsizetype a, qsizetype b) const;
    bool sameLowered(qsizetype index, QByteArrayView lowered) const;
    Slot* table() const { return reinterpret_cast<Slot*>(m_table.data()); }

    const TermStore& m_store;
    PageBuffer m_table; // zero-filled by the system: every slot starts empty
    quint64 m_mask = 0;
};
