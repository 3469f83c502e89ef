// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

// Where the frame goes at start-up: the geometry it was closed with, brought back onto the screens
// that exist now, which may be fewer or smaller than when it was saved.
QRect clampToScreens(const QRect &saved, const QList<QRect> &availableScreens);

// The first start: the specified size, grown to hold `needed` but never beyond the screen, centred
// on the screen.
QRect firstPlacement(const QSize &specified, const QSize &needed, const QRect &availableScreen);
