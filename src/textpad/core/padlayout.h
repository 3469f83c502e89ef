// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

namespace textpad {

// The pad measures across in units of 1.2525 twips and down in twips.
constexpr double twipsPerPadUnit = 1.2525;

struct PadLayoutInput
{
    double scaleWidth = 0; // client area, pad units
    double scaleHeight = 0; // client area, twips
    double statusBarHeight = 0;
    double panel2Width = 0;
    QRectF previousText; // where the document was before
    double previousPanel1Width = 0;
};

struct PadLayout
{
    QRectF text;
    double panel1Width = 0;
};

// The document fills the window above the status bar with 10 units of margin at each side; the
// first status panel takes the width the second leaves. A size that would be negative keeps its
// last value.
PadLayout layoutPad(const PadLayoutInput &input);

} // namespace textpad
