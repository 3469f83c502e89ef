// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/downloadlistmodel.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

using State = DownloadListModel::State;

QVariant cell(const DownloadListModel &model, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(0, column), role);
}

int percent(const DownloadListModel &model)
{
    return cell(model, DownloadListModel::ProgressColumn, DownloadListModel::PercentRole).toInt();
}

// The share received, or busy (-1) when the size is unknown.
TEST(DownloadListModel, ProgressIsTheShareReceived)
{
    const std::tuple<qint64, qint64, int> rows[]
        = { { 256, 1024, 25 }, { 1024, 1024, 100 }, { 500, -1, -1 }, { 500, 0, -1 } };
    for (const auto &[received, total, expected] : rows) {
        DownloadListModel model;
        model.add(QStringLiteral("a.bin"), 0);
        model.setReceived(0, received, total, 10);
        EXPECT_EQ(percent(model), expected) << received << '/' << total;
    }
}

TEST(DownloadListModel, MeasuresSpeedOverWholeSecondsAndDropsItAtTheEnd)
{
    DownloadListModel model;
    model.add(QStringLiteral("a.bin"), 1000);
    model.setReceived(0, 1000, 10000, 1500);
    EXPECT_EQ(model.bytesPerSecond(0), 0); // less than a second gives no figure yet
    model.setReceived(0, 2000, 10000, 2000);
    EXPECT_EQ(model.bytesPerSecond(0), 2000);
    model.setReceived(0, 8000, 10000, 4000);
    EXPECT_EQ(model.bytesPerSecond(0), 3000);
    EXPECT_EQ(cell(model, DownloadListModel::SpeedColumn).toString(), QStringLiteral("2.9 kB/s"));
    model.finish(0, State::Done);
    EXPECT_EQ(cell(model, DownloadListModel::SpeedColumn).toString(), QString());
}

// A download ends once; a later end or progress report changes nothing.
TEST(DownloadListModel, EndsOnceAndIgnoresLaterProgress)
{
    for (const State state : { State::Done, State::Failed }) {
        DownloadListModel model;
        model.add(QStringLiteral("a.bin"), 0);
        model.add(QStringLiteral("b.bin"), 0);
        model.setReceived(0, 100, -1, 10);
        model.finish(0, state);
        model.finish(0, State::Cancelled);
        model.setReceived(0, 300, 900, 20);
        EXPECT_EQ(model.state(0), state);
        EXPECT_EQ(cell(model, DownloadListModel::ProgressColumn).toString(), "100 bytes");
        EXPECT_EQ(percent(model), state == State::Done ? 100 : 0);
        EXPECT_EQ(model.runningCount(), 1);
    }
}

} // namespace
