#pragma once

#include <QByteArray>
#include <vector>

class TermStore;

// The first four characters of every term, folded once after the load (lower case, a middle dot
// as a full stop), so that a filter pass rejects almost every term with one integer comparison.
class PrefixTable
{
public:
    // A search key from lower-cased Windows-1252 bytes, folded, with its first four packed like the
    // table's.
    struct Key
    {
        explicit Key(QByteArray lowered);
        QByteArray bytes;
        quint32 packed = 0;
        quint32 mask = 0;
    };

    explicit PrefixTable(const TermStore& store);

    // The first term at or after `from` that begins with the key, or the number of terms.
    qsizetype next(qsizetype from, const Key& key) const;
    // A term's first byte, folded; 0 for an empty term.
    quint8 firstFolded(qsizetype i) const { return quint8(m_prefix[size_t(i)]); }

private:
    // Past the first four: a key longer than that, against a term whose first four match.
    bool restMatches(qsizetype i, const Key& key) const;

    const TermStore& m_store;
    std::vector<quint32> m_prefix;
    std::vector<quint8> m_length; // up to 255; a longer key asks the store
    static constexpr qsizetype LongTerm = 255;
};
