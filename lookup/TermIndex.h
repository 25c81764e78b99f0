#pragma once

#include "dictionary/PageBuffer.h"

#include <QString>

class TermStore;
class Windows1252;

// Answers "the first stored term equal to this text" without a scan: an open-addressing table of
// hashes of the folded terms (Windows1252::fold) and store indices. Terms that differ only in their
// dots share a probe chain in store order, so either equality finds the first match along it.
class TermIndex
{
public:
    enum class Equality
    {
        IgnoringCase,        // what the list's rows are matched by
        IgnoringCaseAndDots, // what a typed term is matched by: a full stop finds a middle dot
    };

    explicit TermIndex(const TermStore& store);

    // -1 when no term is equal.
    qsizetype firstEqual(QStringView text, Equality equality = Equality::IgnoringCase) const;

private:
    struct Slot
    {
        quint32 hash;
        qint32 indexPlusOne; // 0 marks an empty slot
    };
    using Mapping = uchar (Windows1252::*)(uchar) const;

    // FNV-1a over the folded bytes, whether they come from a term or a lower-cased key.
    static quint64 hash(QByteArrayView bytes);
    static bool equal(QByteArrayView term, QByteArrayView other, Mapping mapping);
    void insert(qsizetype i, quint64 hash);
    Slot* table() const { return reinterpret_cast<Slot*>(m_table.data()); }

    const TermStore& m_store;
    PageBuffer m_table; // zero-filled by the system: every slot starts empty
    quint64 m_mask = 0;
};
