// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageevents.h"

#include <gtest/gtest.h>

namespace {

struct StatusRow
{
    const char *name;
    QString text;
    bool fullScreen;
    QString panel;
    std::optional<QString> caption;
};

class StatusTextTest : public testing::TestWithParam<StatusRow>
{
};

TEST_P(StatusTextTest, SetsPanelAndOnlyInFullScreenTheCaption)
{
    const StatusRow &row = GetParam();
    const auto outcome = PageEvents::statusText(row.text, row.fullScreen, QStringLiteral("News"));
    EXPECT_EQ(outcome.panelText.toStdString(), row.panel.toStdString());
    ASSERT_EQ(outcome.caption.has_value(), row.caption.has_value());
    if (row.caption) {
        EXPECT_EQ(outcome.caption->toStdString(), row.caption->toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(PageEvents, StatusTextTest,
    testing::Values(
        StatusRow { "DoneInFullScreen", QStringLiteral("Done"), true, QStringLiteral("Done"),
            QStringLiteral("News - Orbello's Web Viewer [ Done ] ") },
        StatusRow { "EmptyInFullScreen", QString(), true, QStringLiteral("Orbello's Web Viewer"),
            QStringLiteral("News - Orbello's Web Viewer") },
        StatusRow { "DoneInNormalView", QStringLiteral("Done"), false, QStringLiteral("Done"),
            std::nullopt },
        StatusRow { "BidiControlsRemoved",
            QStringLiteral("\u202ax\u202bx\u202cx\u202dx\u202e\u2066x\u2067\u2068\u2069"), true,
            QStringLiteral("xxxxx"), QStringLiteral("News - Orbello's Web Viewer [ xxxxx ] ") }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PageEventsCaption, TitleIsFollowedByTheProductName)
{
    // A title that would read "index.html" backwards shows as the characters it holds.
    EXPECT_EQ(PageEvents::captionForTitle(QStringLiteral("\u202elmth.xedni\u202c")).toStdString(),
        "lmth.xedni - Orbello's Web Viewer");
}

struct ProgressRow
{
    const char *name;
    int progress;
    int progressMax;
    std::optional<float> value;
};

class ProgressTest : public testing::TestWithParam<ProgressRow>
{
};

TEST_P(ProgressTest, ComputesThePercentageOrRefuses)
{
    const ProgressRow &row = GetParam();
    EXPECT_EQ(PageEvents::progressValue(row.progress, row.progressMax), row.value);
}

INSTANTIATE_TEST_SUITE_P(PageEvents, ProgressTest,
    testing::Values(ProgressRow { "DivisionByZero", 5, 0, std::nullopt },
        ProgressRow { "Complete", 100, 100, 100.0f },
        ProgressRow { "OverTheTop", 101, 100, std::nullopt },
        ProgressRow { "Fraction", 3, 8, 37.5f }, ProgressRow { "ZeroOfZero", 0, 0, std::nullopt }),
    [](const auto &info) { return std::string(info.param.name); });

struct WatchdogRow
{
    const char *name;
    float value;
    bool barVisible;
    int lastProgress;
    bool fullScreen;
    bool showsAddressView;
    std::optional<int> stored;
};

class WatchdogTest : public testing::TestWithParam<WatchdogRow>
{
};

TEST_P(WatchdogTest, DecidesTheAddressViewAndStoresTheRoundedValue)
{
    const WatchdogRow &row = GetParam();
    const auto outcome
        = PageEvents::watchdogTick(row.value, row.barVisible, row.lastProgress, row.fullScreen);
    EXPECT_EQ(outcome.showAddressView, row.showsAddressView);
    EXPECT_EQ(outcome.lastProgress, row.stored);
}

INSTANTIATE_TEST_SUITE_P(PageEvents, WatchdogTest,
    testing::Values(
        // 37.5 is stored as 38, so the same 37.5 on the next tick does not count as a stall.
        WatchdogRow { "HalfGoesToEvenUp", 37.5f, true, 0, false, false, 38 },
        WatchdogRow { "HalfGoesToEvenDown", 36.5f, true, 0, false, false, 36 },
        WatchdogRow { "StalledOnWholeValue", 40.0f, true, 40, false, true, 40 },
        WatchdogRow { "Complete", 100.0f, true, 80, false, true, 100 },
        WatchdogRow {
            "CompleteWithBarHiddenOutsideFullScreen", 100.0f, false, 80, false, true, 100 },
        WatchdogRow { "CompleteInFullScreenWithBar", 100.0f, true, 80, true, true, std::nullopt },
        WatchdogRow {
            "CompleteInFullScreenWithoutBar", 100.0f, false, 80, true, false, std::nullopt }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
