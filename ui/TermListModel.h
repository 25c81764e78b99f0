#pragma once

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <functional>
#include <vector>

class PrefixTable;
class TermStore;

// The term list's rows, each a store index shown as its term. Appended rows wait unseen and reach
// the view in batches, so rebuilding a long list does not update the view at every event run.
class TermListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The filter's table of first characters is asked for at a keyboard search, not before.
    TermListModel(const TermStore& store, std::function<const PrefixTable&()> prefixes,
                  QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // What the view's keyboard search asks: the next row, wrapping, whose term begins with a text.
    // A term is decoded only if its first byte, folded in the filter's table, may be that text's
    // first character: a miss reads one byte a row.
    QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchStartsWith |
                                                 Qt::MatchWrap) const override;

    QString rowText(int row) const;
    void clear();
    void showEveryTerm(); // in store order
    void append(qsizetype storeIndex) { m_storeIndices.push_back(qint32(storeIndex)); }
    void flush();
    // Hands the waiting rows to the view when the last batch is long enough ago.
    void flushIfDue();

private:
    qsizetype storeIndex(int row) const
    {
        return row < m_inStoreOrder ? row : m_storeIndices[size_t(row - m_inStoreOrder)];
    }

    const TermStore& m_store;
    std::function<const PrefixTable&()> m_prefixes;
    // The first rows are store indices 0 to this - 1 in order, kept as a count rather than a list.
    qsizetype m_inStoreOrder = 0;
    std::vector<qint32> m_storeIndices;
    qsizetype m_shown = 0; // the rows of m_storeIndices the view has been told of
    QElapsedTimer m_sinceFlush;
};
