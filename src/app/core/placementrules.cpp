// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/placementrules.h"

#include <algorithm>

namespace {

qint64 area(const QRect &rect)
{
    return rect.isValid() ? qint64(rect.width()) * rect.height() : 0;
}

// The screen holding most of `rect`; the first screen (the primary one) when it is on none.
QRect screenFor(const QRect &rect, const QList<QRect> &screens)
{
    QRect best = screens.first();
    qint64 bestArea = 0;
    for (const QRect &screen : screens) {
        const qint64 shared = area(screen.intersected(rect));
        if (shared > bestArea) {
            best = screen;
            bestArea = shared;
        }
    }
    return best;
}

} // namespace

QRect clampToScreens(const QRect &saved, const QList<QRect> &availableScreens)
{
    if (availableScreens.isEmpty())
        return saved;
    const QRect screen = screenFor(saved, availableScreens);
    QRect placed(saved.topLeft(), saved.size().boundedTo(screen.size()));
    placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

QRect firstPlacement(const QSize &specified, const QSize &needed, const QRect &availableScreen)
{
    QRect placed(QPoint(), specified.expandedTo(needed).boundedTo(availableScreen.size()));
    placed.moveCenter(availableScreen.center());
    return placed;
}
