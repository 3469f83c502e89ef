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

struct ProgressRow
{
    const char *name;
    qint64 received;
    qint64 total;
    int percent; // -1: busy
};

class DownloadProgressTest : public testing::TestWithParam<ProgressRow>
{
};

TEST_P(DownloadProgressTest, ShowsTheShareReceivedOrBusyWhenTheSizeIsUnknown)
{
    DownloadListModel model;
    model.add(QStringLiteral("a.bin"), 0);
    model.setReceived(0, GetParam().received, GetParam().total, 10);
    EXPECT_EQ(percent(model), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(DownloadListModel, DownloadProgressTest,
    testing::Values(ProgressRow { "Quarter", 256, 1024, 25 },
        ProgressRow { "All", 1024, 1024, 100 }, ProgressRow { "UnknownTotal", 500, -1, -1 },
        ProgressRow { "ZeroTotal", 500, 0, -1 }),
    [](const auto &info) { return std::string(info.param.name); });

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

struct EndRow
{
    const char *name;
    State state;
    QString reason;
    QString shown;
};

class DownloadEndTest : public testing::TestWithParam<EndRow>
{
};

TEST_P(DownloadEndTest, EndsOnceAndIgnoresLaterProgress)
{
    DownloadListModel model;
    model.add(QStringLiteral("a.bin"), 0);
    model.add(QStringLiteral("b.bin"), 0);
    EXPECT_EQ(model.runningCount(), 2);
    model.setReceived(0, 100, -1, 10);
    model.finish(0, GetParam().state, GetParam().reason);
    model.finish(0, State::Failed, QStringLiteral("late"));
    model.setReceived(0, 300, 900, 20);
    EXPECT_EQ(model.state(0), GetParam().state);
    EXPECT_EQ(cell(model, DownloadListModel::StateColumn).toString(), GetParam().shown);
    EXPECT_EQ(
        cell(model, DownloadListModel::ProgressColumn).toString(), QStringLiteral("100 bytes"));
    EXPECT_EQ(percent(model), GetParam().state == State::Done ? 100 : 0);
    EXPECT_EQ(model.runningCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(DownloadListModel, DownloadEndTest,
    testing::Values(EndRow { "Done", State::Done, {}, QStringLiteral("Done") },
        EndRow { "Cancelled", State::Cancelled, {}, QStringLiteral("Cancelled") },
        EndRow { "FailedWithReason", State::Failed, QStringLiteral("Access denied"),
            QStringLiteral("Failed: Access denied") }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
