#include "ui/TermListModel.h"

#include "dictionary/TermStore.h"

namespace {
// At most one batch of rows for the view in this time: each batch updates the view.
constexpr qint64 BatchInterval = 30'000'000; // ns
} // namespace

TermListModel::TermListModel(const TermStore& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store)
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
    return m_store.term(row < m_inStoreOrder ? row : m_storeIndices[size_t(row - m_inStoreOrder)]);
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
