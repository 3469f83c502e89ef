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
    input.previousText = QRectF(10, 0, 300, 400);
    input.previousPanel1Width = 700;
    return input;
}

TEST(PadLayout, TextFillsTheWindowAboveTheStatusBar)
{
    const PadLayout layout = layoutPad(window(7020, 5835));
    EXPECT_EQ(layout.text.topLeft(), QPointF(10, 0));
    EXPECT_NEAR(layout.text.right(), 5594.8, 0.05);
    EXPECT_DOUBLE_EQ(layout.text.bottom(), 5580);
    EXPECT_NEAR(layout.panel1Width, 3604.8, 0.05);
}

// Each size that would turn negative keeps its previous value, on its own; zero is a size.
TEST(PadLayout, SizesThatWouldTurnNegativeKeepTheirPreviousValue)
{
    const PadLayout tiny = layoutPad(window(15, 100));
    EXPECT_EQ(tiny.text, QRectF(10, 0, 300, 400));
    EXPECT_DOUBLE_EQ(tiny.panel1Width, 700);
    const PadLayout low = layoutPad(window(7020, 200));
    EXPECT_NEAR(low.text.width(), 7020 / twipsPerPadUnit - 20, 1e-9);
    EXPECT_DOUBLE_EQ(low.text.height(), 400);
    const PadLayout exact = layoutPad(window(20 * twipsPerPadUnit, 255));
    EXPECT_DOUBLE_EQ(exact.text.width(), 0);
    EXPECT_DOUBLE_EQ(exact.text.height(), 0);
}

} // namespace
