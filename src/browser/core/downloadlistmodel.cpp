// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/downloadlistmodel.h"

#include <QLocale>
#include <algorithm>

namespace {
// The speed shown is measured over windows of at least this long, so it does not flicker.
constexpr qint64 speedWindowMs = 1000;

QString size(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}
} // namespace

int DownloadListModel::add(const QString &fileName, qint64 nowMs)
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    Row added;
    added.fileName = fileName;
    added.sampleMs = nowMs;
    m_rows.append(added);
    endInsertRows();
    return row;
}

void DownloadListModel::setReceived(int row, qint64 received, qint64 total, qint64 nowMs)
{
    Row &entry = m_rows[row];
    if (entry.state != State::InProgress)
        return;
    entry.received = received;
    entry.total = total > 0 ? total : -1;
    const qint64 elapsed = nowMs - entry.sampleMs;
    if (elapsed >= speedWindowMs) {
        entry.speed = double(received - entry.sampleBytes) * 1000.0 / double(elapsed);
        entry.sampleBytes = received;
        entry.sampleMs = nowMs;
    }
    rowChanged(row);
}

void DownloadListModel::finish(int row, State state, const QString &reason)
{
    Row &entry = m_rows[row];
    if (entry.state != State::InProgress)
        return;
    entry.state = state;
    entry.reason = reason;
    entry.speed = 0;
    if (state == State::Done && entry.total < 0)
        entry.total = entry.received;
    rowChanged(row);
}

int DownloadListModel::runningCount() const
{
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(),
        [](const Row &row) { return row.state == State::InProgress; }));
}

int DownloadListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DownloadListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DownloadListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    if (role == PercentRole && index.column() == ProgressColumn)
        return percent(row);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return row.fileName;
    case ProgressColumn:
        return progressText(row);
    case SpeedColumn:
        return speedText(row);
    case StateColumn:
        return stateText(row);
    default:
        return {};
    }
}

QVariant DownloadListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[] = { "File", "Progress", "Speed", "State", "" };
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section])
                                                 : QVariant();
}

int DownloadListModel::percent(const Row &row) const
{
    if (row.total <= 0)
        return row.state == State::InProgress ? -1 : 0;
    return int(std::clamp<qint64>(row.received * 100 / row.total, 0, 100));
}

QString DownloadListModel::progressText(const Row &row) const
{
    if (row.total <= 0 || row.state == State::Done)
        return size(row.received);
    return QStringLiteral("%1 of %2").arg(size(row.received), size(row.total));
}

QString DownloadListModel::speedText(const Row &row) const
{
    if (row.state != State::InProgress)
        return {};
    return size(qint64(row.speed)) + QStringLiteral("/s");
}

QString DownloadListModel::stateText(const Row &row) const
{
    switch (row.state) {
    case State::InProgress:
        return QStringLiteral("In progress");
    case State::Done:
        return QStringLiteral("Done");
    case State::Cancelled:
        return QStringLiteral("Cancelled");
    case State::Failed:
        return row.reason.isEmpty() ? QStringLiteral("Failed")
                                    : QStringLiteral("Failed: %1").arg(row.reason);
    }
    return {};
}

void DownloadListModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
