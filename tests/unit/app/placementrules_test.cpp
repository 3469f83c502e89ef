// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/placementrules.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace {

QRect rect(const QJsonValue &cell)
{
    return QRect(cell[0].toInt(), cell[1].toInt(), cell[2].toInt(), cell[3].toInt());
}

QSize size(const QJsonValue &cell)
{
    return QSize(cell[0].toInt(), cell[1].toInt());
}

// A saved frame comes back wholly on a screen: on its own if it is still there, else the primary.
TEST(PlacementRules, ClampKeepsTheFrameWhollyOnAScreen)
{
    for (const QJsonValue row : tableRows("placementrules", "clamp")) {
        QList<QRect> screens;
        for (const QJsonValue screen : row[1].toArray())
            screens.append(rect(screen));
        EXPECT_EQ(clampToScreens(rect(row[0]), screens), rect(row[2])) << shown(row);
    }
}

TEST(PlacementRules, FirstPlacementIsTheSpecifiedSizeGrownButNeverBeyondTheScreen)
{
    for (const QJsonValue row : tableRows("placementrules", "first placement")) {
        const QRect placed = firstPlacement({ 586, 473 }, size(row[0]), rect(row[1]));
        EXPECT_EQ(placed.size(), size(row[2])) << shown(row);
        EXPECT_EQ(placed.center(), rect(row[1]).center()) << shown(row);
    }
}

} // namespace
