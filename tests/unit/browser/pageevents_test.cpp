// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageevents.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

// The panel always shows the text (the product name when empty); the caption only in full screen.
TEST(PageEvents, StatusTextSetsThePanelAndInFullScreenTheCaption)
{
    const struct
    {
        QString text;
        bool fullScreen;
        QString panel;
        std::optional<QString> caption;
    } rows[] = {
        { "Done", true, "Done", QStringLiteral("News - Orbello's Web Viewer [ Done ] ") },
        { QString(), true, "Orbello's Web Viewer", QStringLiteral("News - Orbello's Web Viewer") },
        { "Done", false, "Done", std::nullopt },
        { "\u202ax\u202bx\u202cx\u202dx\u202e\u2066x\u2067\u2068\u2069", true, "xxxxx",
            QStringLiteral("News - Orbello's Web Viewer [ xxxxx ] ") },
    };
    for (const auto &row : rows) {
        const auto outcome
            = PageEvents::statusText(row.text, row.fullScreen, QStringLiteral("News"));
        EXPECT_EQ(outcome.panelText, row.panel);
        EXPECT_EQ(outcome.caption, row.caption) << row.panel.toStdString();
    }
    // A title that would read "index.html" backwards shows as the characters it holds.
    EXPECT_EQ(PageEvents::captionForTitle(QStringLiteral("\u202elmth.xedni\u202c")),
        "lmth.xedni - Orbello's Web Viewer");
}

TEST(PageEvents, ProgressIsAPercentageOrNothing)
{
    const std::tuple<int, int, std::optional<float>> rows[] = { { 5, 0, std::nullopt },
        { 0, 0, std::nullopt }, { 100, 100, 100.0f }, { 101, 100, std::nullopt }, { 3, 8, 37.5f } };
    for (const auto &[progress, max, value] : rows)
        EXPECT_EQ(PageEvents::progressValue(progress, max), value) << progress << '/' << max;
}

// Whether the watchdog brings the address view back, and the value it stores, rounded half to
// even: 37.5 is stored as 38, so the same 37.5 on the next tick does not count as a stall.
TEST(PageEvents, WatchdogDecidesTheAddressViewAndStoresTheRoundedValue)
{
    const struct
    {
        float value;
        bool barVisible;
        int lastProgress;
        bool fullScreen, showsAddressView;
        std::optional<int> stored;
    } rows[] = {
        { 37.5f, true, 0, false, false, 38 },
        { 36.5f, true, 0, false, false, 36 },
        { 40.0f, true, 40, false, true, 40 },
        { 100.0f, true, 80, false, true, 100 },
        { 100.0f, false, 80, false, true, 100 },
        { 100.0f, true, 80, true, true, std::nullopt },
        { 100.0f, false, 80, true, false, std::nullopt },
    };
    for (const auto &row : rows) {
        const auto outcome
            = PageEvents::watchdogTick(row.value, row.barVisible, row.lastProgress, row.fullScreen);
        EXPECT_EQ(outcome.showAddressView, row.showsAddressView) << row.value << row.fullScreen;
        EXPECT_EQ(outcome.lastProgress, row.stored) << row.value << row.fullScreen;
    }
}

} // namespace
