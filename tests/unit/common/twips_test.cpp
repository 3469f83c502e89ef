// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/twips.h"

#include <gtest/gtest.h>

namespace {

struct DpiCase
{
    const char *name;
    double dpi;
    int frameWidth; // 8790 twips
    int searchBoxTop; // 5 twips
};

class TwipsToPixels : public ::testing::TestWithParam<DpiCase>
{
};

// An inch is `dpi` pixels whatever the scale; lengths round once, to the nearest pixel.
TEST_P(TwipsToPixels, ScalesWithTheLogicalDpi)
{
    const DpiCase &c = GetParam();
    EXPECT_EQ(Twips::toPixels(1440, c.dpi), int(c.dpi));
    EXPECT_EQ(Twips::toPixels(8790, c.dpi), c.frameWidth);
    EXPECT_EQ(Twips::toPixels(5, c.dpi), c.searchBoxTop);
    EXPECT_DOUBLE_EQ(Twips::fromPixels(int(c.dpi) / 2, c.dpi), 720);
    EXPECT_EQ(Twips::toPixels(QRectF(1440, 720, 2880, 15), c.dpi),
        QRect(int(c.dpi), int(c.dpi) / 2, 2 * int(c.dpi), Twips::toPixels(15, c.dpi)));
}

INSTANTIATE_TEST_SUITE_P(Rows, TwipsToPixels,
    ::testing::Values(DpiCase { "Dpi96", 96, 586, 0 }, DpiCase { "Dpi120", 120, 733, 0 },
        DpiCase { "Dpi144", 144, 879, 1 }, DpiCase { "Dpi192", 192, 1172, 1 }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
