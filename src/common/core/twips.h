// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QtMath>

// Window placements are kept in twips (1440 per inch) and turned into pixels once, at the end, with
// the widget's logical DPI (15 twips per pixel at 96 DPI).
namespace Twips {

constexpr double perInch = 1440.0;

inline double perPixel(double logicalDpi)
{
    return perInch / logicalDpi;
}

inline int toPixels(double twips, double logicalDpi)
{
    return qRound(twips / perPixel(logicalDpi));
}

inline double fromPixels(int pixels, double logicalDpi)
{
    return pixels * perPixel(logicalDpi);
}

inline QRect toPixels(const QRectF &twips, double logicalDpi)
{
    return QRect(toPixels(twips.left(), logicalDpi), toPixels(twips.top(), logicalDpi),
        toPixels(twips.width(), logicalDpi), toPixels(twips.height(), logicalDpi));
}

} // namespace Twips
