// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/placementrules.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

inline void PrintTo(const QSize &s, std::ostream *os)
{
    *os << s.width() << 'x' << s.height();
}

namespace {

const QRect wide(0, 0, 1920, 1080);
const QRect small(0, 0, 1024, 768);
const QRect secondScreen(1920, 0, 1280, 1024);

struct ClampCase
{
    const char *name;
    QRect saved;
    QList<QRect> screens;
    QRect expected;
};

class ClampToScreens : public ::testing::TestWithParam<ClampCase>
{
};

TEST_P(ClampToScreens, KeepsTheFrameWhollyOnAScreen)
{
    EXPECT_EQ(clampToScreens(GetParam().saved, GetParam().screens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ClampToScreens,
    ::testing::Values(
        ClampCase { "FitsAndStays", { 100, 80, 800, 600 }, { wide }, { 100, 80, 800, 600 } },
        ClampCase { "SavedOnALargerScreenShrinks", { 50, 40, 1900, 1000 }, { small }, small },
        ClampCase { "PastTheRightEdgeMovesBack", { 1800, 100, 800, 600 }, { wide },
            { 1120, 100, 800, 600 } },
        ClampCase { "AboveTheTopMovesDown", { 10, -300, 800, 600 }, { wide }, { 10, 0, 800, 600 } },
        ClampCase { "OnAScreenThatIsGoneComesToThePrimary", { 2000, 100, 800, 600 }, { wide },
            { 1120, 100, 800, 600 } },
        ClampCase { "OnTheSecondScreenStaysThere", { 2000, 100, 800, 600 }, { wide, secondScreen },
            { 2000, 100, 800, 600 } }),
    [](const auto &info) { return std::string(info.param.name); });

struct FirstCase
{
    const char *name;
    QSize needed;
    QRect screen;
    QSize expected;
};

class FirstPlacement : public ::testing::TestWithParam<FirstCase>
{
};

TEST_P(FirstPlacement, SpecifiedSizeGrownToHoldTheWindowCentred)
{
    const FirstCase &c = GetParam();
    const QRect placed = firstPlacement({ 586, 473 }, c.needed, c.screen);
    EXPECT_EQ(placed.size(), c.expected);
    EXPECT_EQ(placed.center(), c.screen.center());
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstPlacement,
    ::testing::Values(FirstCase { "SpecifiedIsEnough", { 500, 400 }, wide, { 586, 473 } },
        FirstCase { "GrowsToHoldTheBrowserWindow", { 700, 520 }, wide, { 700, 520 } },
        FirstCase { "NeverBeyondTheScreen", { 2000, 900 }, small, { 1024, 768 } },
        FirstCase { "CentredOnTheSecondScreen", { 700, 520 }, secondScreen, { 700, 520 } }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
