// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageevents.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

namespace {

// The panel always shows the text (the product name when empty); the caption only in full screen.
TEST(PageEvents, StatusTextSetsThePanelAndInFullScreenTheCaption)
{
    for (const QJsonValue row : tableRows("pageevents", "status")) {
        const auto outcome
            = PageEvents::statusText(row[0].toString(), row[1].toBool(), QStringLiteral("News"));
        EXPECT_EQ(outcome.panelText, row[2].toString()) << shown(row);
        EXPECT_EQ(outcome.caption.value_or("(none)"), row[3].toString("(none)")) << shown(row);
    }
    // A title that would read "index.html" backwards shows as the characters it holds.
    EXPECT_EQ(PageEvents::captionForTitle(QStringLiteral("\u202elmth.xedni\u202c")),
        "lmth.xedni - Orbello's Web Viewer");
}

TEST(PageEvents, ProgressIsAPercentageOrNothing)
{
    for (const QJsonValue row : tableRows("pageevents", "progress")) {
        const std::optional<float> value
            = PageEvents::progressValue(row[0].toInt(), row[1].toInt());
        EXPECT_EQ(value.value_or(-1), row[2].toDouble(-1)) << shown(row);
    }
}

// The value is stored rounded half to even: 37.5 is stored as 38, so the same 37.5 on the next
// tick does not count as a stall.
TEST(PageEvents, WatchdogDecidesTheAddressViewAndStoresTheRoundedValue)
{
    for (const QJsonValue row : tableRows("pageevents", "watchdog")) {
        const auto outcome = PageEvents::watchdogTick(
            float(row[0].toDouble()), row[1].toBool(), row[2].toInt(), row[3].toBool());
        EXPECT_EQ(outcome.showAddressView, row[4].toBool()) << shown(row);
        EXPECT_EQ(outcome.lastProgress.value_or(-1), row[5].toInt(-1)) << shown(row);
    }
}

} // namespace
