#include "ui/TermListModel.h"

#include "dictionary/TermStore.h"
#include "dictionary/Windows1252.h"
#include "lookup/PrefixTable.h"

#include <array>

namespace {
// At most one batch of rows for the view in this time: each batch updates the view.
constexpr qint64 BatchInterval = 30'000'000; // ns
} // namespace

TermListModel::TermListModel(const TermStore& store, std::function<const PrefixTable&()> prefixes,
                             QObject* parent)
    : QAbstractListModel(parent), m_store(store), m_prefixes(std::move(prefixes))
{
    m_sinceFlush.start();
}

int TermListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_inStoreOrder + m_shown);
}

QVariant TermListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return rowText(index.row());
}

QString TermListModel::rowText(int row) const
{
    return m_store.term(storeIndex(row));
}

QModelIndexList TermListModel::match(const QModelIndex& start, int role, const QVariant& value,
                                     int hits, Qt::MatchFlags flags) const
{
    const QString text = value.toString();
    const int rows = rowCount();
    if (role != Qt::DisplayRole || hits != 1 || flags != (Qt::MatchStartsWith | Qt::MatchWrap) ||
        text.isEmpty() || !start.isValid() || start.row() >= rows)
        return QAbstractListModel::match(start, role, value, hits, flags);
    const Windows1252& codePage = Windows1252::instance();
    const QChar first = text.front().toCaseFolded();
    std::array<bool, 256> mayBegin{};
    for (int byte = 0; byte < 256; ++byte) {
        if (codePage.toChar(uchar(byte)).toCaseFolded() == first)
            mayBegin[codePage.fold(uchar(byte))] = true;
    }
    const PrefixTable& prefixes = m_prefixes();
    const auto find = [&](int from, int to) {
        for (int row = from; row < to; ++row) {
            const qsizetype i = storeIndex(row);
            if (mayBegin[prefixes.firstFolded(i)] &&
                m_store.term(i).startsWith(text, Qt::CaseInsensitive))
                return row;
        }
        return -1;
    };
    int row = find(start.row(), rows);
    if (row < 0)
        row = find(0, start.row());
    if (row >= 0)
        return {index(row)};
    return {};
}

void TermListModel::clear()
{
    beginResetModel();
    m_inStoreOrder = 0;
    m_storeIndices.clear();
    m_shown = 0;
    endResetModel();
    m_sinceFlush.restart();
}

void TermListModel::showEveryTerm()
{
    beginResetModel();
    m_storeIndices.clear();
    m_shown = 0;
    m_inStoreOrder = m_store.size();
    endResetModel();
    // Room for a pass that lists every term: the first pass then copies no rows as they grow.
    m_storeIndices.reserve(size_t(m_store.size()));
}

void TermListModel::flush()
{
    const auto appended = qsizetype(m_storeIndices.size());
    if (m_shown == appended)
        return;
    beginInsertRows(QModelIndex(), int(m_inStoreOrder + m_shown),
                    int(m_inStoreOrder + appended) - 1);
    m_shown = appended;
    endInsertRows();
    m_sinceFlush.restart();
}

void TermListModel::flushIfDue()
{
    if (m_sinceFlush.nsecsElapsed() >= BatchInterval)
        flush();
}
