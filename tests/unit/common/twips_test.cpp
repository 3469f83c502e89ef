// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/twips.h"

#include <gtest/gtest.h>

namespace {

// An inch is `dpi` pixels whatever the scale; lengths round once, to the nearest pixel.
TEST(Twips, ScaleWithTheLogicalDpi)
{
    // dpi, 8790 twips and 5 twips in pixels
    const std::tuple<double, int, int> rows[]
        = { { 96, 586, 0 }, { 120, 733, 0 }, { 144, 879, 1 } };
    for (const auto &[dpi, frameWidth, searchBoxTop] : rows) {
        EXPECT_EQ(Twips::toPixels(8790, dpi), frameWidth) << dpi;
        EXPECT_EQ(Twips::toPixels(5, dpi), searchBoxTop) << dpi;
        EXPECT_DOUBLE_EQ(Twips::fromPixels(int(dpi) / 2, dpi), 720);
        EXPECT_EQ(Twips::toPixels(QRectF(1440, 720, 2880, 15), dpi),
            QRect(int(dpi), int(dpi) / 2, 2 * int(dpi), Twips::toPixels(15, dpi)));
    }
}

} // namespace
