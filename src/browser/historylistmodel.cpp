// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/historylistmodel.h"

#include "browser/core/addressboxmodel.h"

HistoryListModel::HistoryListModel(AddressBoxModel &box, QObject *parent)
    : QAbstractListModel(parent)
    , m_box(box)
{
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_box.history().size());
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    // The combo box also asks for its current entry when it has none.
    if (!index.isValid() || index.row() >= rowCount()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_box.history().at(index.row());
}

void HistoryListModel::setEntries(QStringList entries)
{
    beginResetModel();
    m_box.setHistory(std::move(entries));
    endResetModel();
}

void HistoryListModel::append(const QString &entry)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_box.appendToHistory(entry);
    endInsertRows();
}

void HistoryListModel::clear()
{
    beginResetModel();
    m_box.clearHistory();
    endResetModel();
}
