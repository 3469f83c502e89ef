// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/padlayout.h"

#include <gtest/gtest.h>

using namespace textpad;

namespace {

PadLayoutInput window(double widthTwips, double heightTwips)
{
    PadLayoutInput input;
    input.scaleWidth = widthTwips / twipsPerPadUnit;
    input.scaleHeight = heightTwips;
    input.statusBarHeight = 255;
    input.panel2Width = 2000;
    input.previousText = QRectF(600 / twipsPerPadUnit, 360, 4335 / twipsPerPadUnit, 2535);
    input.previousPanel1Width = 5000;
    return input;
}

TEST(PadLayoutTest, initialSizeFillsTheWindowAboveTheStatusBar)
{
    const PadLayout layout = layoutPad(window(7020, 5835));
    EXPECT_DOUBLE_EQ(layout.text.left(), 10);
    EXPECT_NEAR(layout.text.right(), 5594.8, 0.05);
    EXPECT_DOUBLE_EQ(layout.text.top(), 0);
    EXPECT_DOUBLE_EQ(layout.text.bottom(), 5580);
    EXPECT_NEAR(layout.panel1Width, 3604.8, 0.05);
}

TEST(PadLayoutTest, tinyWindowKeepsEachSizeThatWouldTurnNegative)
{
    PadLayoutInput input = window(15, 100); // narrower than the margins, shorter than the bar
    input.previousText = QRectF(10, 0, 300, 400);
    input.previousPanel1Width = 700;
    const PadLayout layout = layoutPad(input);
    EXPECT_EQ(layout.text, QRectF(10, 0, 300, 400));
    EXPECT_DOUBLE_EQ(layout.panel1Width, 700);
}

TEST(PadLayoutTest, eachSizeIsKeptOnItsOwn)
{
    PadLayoutInput input = window(7020, 200);
    input.previousText = QRectF(10, 0, 300, 400);
    const PadLayout layout = layoutPad(input);
    EXPECT_NEAR(layout.text.width(), 7020 / twipsPerPadUnit - 20, 1e-9);
    EXPECT_DOUBLE_EQ(layout.text.height(), 400);
}

TEST(PadLayoutTest, exactFitGivesZeroNotThePreviousSize)
{
    PadLayoutInput input = window(20 * twipsPerPadUnit, 255);
    const PadLayout layout = layoutPad(input);
    EXPECT_DOUBLE_EQ(layout.text.width(), 0);
    EXPECT_DOUBLE_EQ(layout.text.height(), 0);
}

} // namespace
