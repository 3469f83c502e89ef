// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The downloads of this run, one row each: file name, progress, speed and state. It holds only
// what the Downloads window shows; times come in as milliseconds from any steady clock.
class DownloadListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The actions column holds no data: the window puts each row's buttons there.
    enum Column {
        NameColumn,
        ProgressColumn,
        SpeedColumn,
        StateColumn,
        ActionsColumn,
        ColumnCount
    };
    enum class State { InProgress, Done, Cancelled, Failed };

    // On the progress column: the percentage received, or -1 while the total is unknown.
    static constexpr int PercentRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // Adds a download that starts at `nowMs`; returns its row.
    int add(const QString &fileName, qint64 nowMs);
    // `total` is negative or 0 when the server did not say.
    void setReceived(int row, qint64 received, qint64 total, qint64 nowMs);
    void finish(int row, State state, const QString &reason = {});

    State state(int row) const { return m_rows.at(row).state; }
    // Bytes per second, measured over the last second or more of the download.
    double bytesPerSecond(int row) const { return m_rows.at(row).speed; }
    int runningCount() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        QString fileName;
        qint64 received = 0;
        qint64 total = -1;
        State state = State::InProgress;
        QString reason;
        qint64 sampleBytes = 0; // received at the start of the speed window
        qint64 sampleMs = 0;
        double speed = 0;
    };

    int percent(const Row &row) const;
    QString progressText(const Row &row) const;
    QString speedText(const Row &row) const;
    QString stateText(const Row &row) const;
    void rowChanged(int row);

    QList<Row> m_rows;
};
