#pragma once

#include <QString>
#include <vector>

class TermStore;

// Answers "the first stored term equal to this text ignoring case" without a scan of the store:
// an open-addressing table of store indices keyed by the lower-cased term.
class TermIndex
{
public:
    explicit TermIndex(const TermStore& store);

    qsizetype firstEqualIgnoringCase(QStringView text) const; // -1 when no term is equal

private:
    static quint64 hashLowered(const char* bytes, qsizetype size);
    bool sameLowered(qsizetype index, QByteArrayView lowered) const;

    const TermStore& m_store;
    std::vector<qint32> m_slots; // store index + 1; 0 marks an empty slot
    quint64 m_mask = 0;
};
