// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/placementrules.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace {

const QRect wide(0, 0, 1920, 1080);
const QRect small(0, 0, 1024, 768);
const QRect secondScreen(1920, 0, 1280, 1024);

// A saved frame comes back wholly on a screen: on its own if it is still there, else the primary.
TEST(PlacementRules, ClampKeepsTheFrameWhollyOnAScreen)
{
    const std::tuple<QRect, QList<QRect>, QRect> rows[] = {
        { { 100, 80, 800, 600 }, { wide }, { 100, 80, 800, 600 } },
        { { 50, 40, 1900, 1000 }, { small }, small },
        { { 1800, 100, 800, 600 }, { wide }, { 1120, 100, 800, 600 } },
        { { 10, -300, 800, 600 }, { wide }, { 10, 0, 800, 600 } },
        { { 2000, 100, 800, 600 }, { wide }, { 1120, 100, 800, 600 } },
        { { 2000, 100, 800, 600 }, { wide, secondScreen }, { 2000, 100, 800, 600 } },
    };
    for (const auto &[saved, screens, expected] : rows)
        EXPECT_EQ(clampToScreens(saved, screens), expected);
}

// The specified size, grown to hold the window but never beyond the screen, centred on it.
TEST(PlacementRules, FirstPlacementIsCentred)
{
    const std::tuple<QSize, QRect, QSize> rows[] = { { { 500, 400 }, wide, { 586, 473 } },
        { { 700, 520 }, secondScreen, { 700, 520 } }, { { 2000, 900 }, small, { 1024, 768 } } };
    for (const auto &[needed, screen, size] : rows) {
        const QRect placed = firstPlacement({ 586, 473 }, needed, screen);
        EXPECT_EQ(placed.size(), size) << needed.width();
        EXPECT_EQ(placed.center(), screen.center()) << needed.width();
    }
}

} // namespace
