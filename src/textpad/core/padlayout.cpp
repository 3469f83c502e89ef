// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/padlayout.h"

namespace textpad {

namespace {
double sizeOrPrevious(double size, double previous)
{
    return size >= 0 ? size : previous;
}
} // namespace

PadLayout layoutPad(const PadLayoutInput &input)
{
    PadLayout layout;
    layout.text = QRectF(10, 0, sizeOrPrevious(input.scaleWidth - 20, input.previousText.width()),
        sizeOrPrevious(input.scaleHeight - input.statusBarHeight, input.previousText.height()));
    layout.panel1Width
        = sizeOrPrevious(input.scaleWidth - input.panel2Width, input.previousPanel1Width);
    return layout;
}

} // namespace textpad
