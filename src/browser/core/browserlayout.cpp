// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/browserlayout.h"

#include <numeric>

// A size the window cannot be given ends or skips a step instead of reaching a widget. Positions
// may be negative (the address box sits 5 twips above its toolbar); sizes may not. Zero is a valid
// size.
//
// Normal form: from the status panel on, the first size that would be negative ends the layout and
// every later field stays empty, so those controls keep what they had. Before that only the
// progress bar's toolbar-derived height can be negative (a navigation toolbar not sized yet); then
// that height is skipped, and with it the top centred on it and the Go button's top copied from
// it, while the other steps still run: the Go button, the page and the final bar height do not
// depend on it.
//
// Full-screen form: every step is independent of the others, so a negative width or height is
// skipped on its own (a window narrower than the leave button leaves the progress bar's width
// alone) and the remaining steps run.
//
// A size that is not a number counts as negative, so a bad measurement never becomes a size.

namespace {

constexpr float addressBoxTop = -5;
constexpr float progressBarInset = 55; // the bar is this much shorter than the navigation toolbar
constexpr float goButtonGap = 50; // between the address box and the Go button

bool fits(float size)
{
    return size >= 0.0f;
}

std::optional<float> sizeIfFits(float size)
{
    return fits(size) ? std::optional<float>(size) : std::nullopt;
}

float reportedHeight(const BrowserLayoutInput &input, float requested)
{
    return input.progressBarReportedHeight ? input.progressBarReportedHeight(requested) : requested;
}

// Shows the bars, centres the progress bar in the navigation toolbar and puts the address box
// right after the last navigation button.
void placeToolbarContents(const BrowserLayoutInput &input, BrowserLayout &layout)
{
    layout.web.top = input.tbar2Height + input.tbarHeight;
    layout.progressBarBorder = true;
    layout.barsVisible = true;
    layout.menusVisible = true;
    layout.leaveButtonVisible = false;

    layout.progressBar.height = sizeIfFits(input.tbarHeight - progressBarInset);
    if (layout.progressBar.height) {
        // The platform may round the height to whole pixels; centre what it really is.
        const float height = reportedHeight(input, *layout.progressBar.height);
        layout.progressBar.top = input.tbarHeight / 2 - height / 2;
    }

    layout.addressBox.top = addressBoxTop;
    const auto &buttons = input.navigationButtonWidths;
    layout.addressBox.left = std::accumulate(buttons.begin(), buttons.end(), 0.0f);
    layout.progressBar.left = layout.addressBox.left;
}

// Sizes the address box, the page and the Go button; stops at the first size that does not fit.
void placePageAndGoButton(const BrowserLayoutInput &input, BrowserLayout &layout)
{
    const float width = input.innerWidth;
    if (!fits(width))
        return;
    layout.statusPanelWidth = width; // the status bar is as wide as the window

    const float boxLeft = *layout.addressBox.left;
    const float boxWidth = width - (boxLeft + input.goButtonWidth + goButtonGap);
    if (!fits(boxWidth))
        return;
    layout.addressBox.width = boxWidth;
    layout.progressBar.width = boxWidth;

    const float webHeight
        = input.innerHeight - input.tbarHeight - input.tbar2Height - input.sbarHeight;
    if (!fits(webHeight))
        return;
    layout.web.height = webHeight;
    layout.web.width = width;
    layout.web.top = input.tbar2Height + input.tbarHeight;
    layout.web.left = 0;

    layout.goButton.top = layout.progressBar.top;
    layout.goButton.left = boxLeft + boxWidth + goButtonGap;
    if (!fits(input.addressBoxHeight))
        return;
    layout.goButton.height = input.addressBoxHeight;
    layout.progressBar.height = input.addressBoxHeight;
}

// The page fills the window; only the leave button and, beside it, the progress bar stay in front.
void layOutFullScreen(const BrowserLayoutInput &input, BrowserLayout &layout)
{
    layout.maximizeWindow = true;
    layout.barsVisible = false;
    layout.menusVisible = false;

    layout.web.height = sizeIfFits(input.innerHeight);
    layout.web.left = 0;
    layout.web.top = 0;
    layout.web.width = sizeIfFits(input.innerWidth);

    layout.leaveButtonVisible = true;
    layout.leaveButton.left = 0;
    layout.leaveButton.top = 0;

    layout.progressBarBorder = false;
    layout.progressBar.top = 0;
    layout.progressBar.width = sizeIfFits(input.innerWidth - input.leaveButtonWidth);
    layout.progressBar.left = input.leaveButtonWidth;
    layout.progressBar.height = sizeIfFits(input.leaveButtonHeight);
}

} // namespace

BrowserLayout layOutBrowser(const BrowserLayoutInput &input)
{
    BrowserLayout layout;
    if (input.fullScreen) {
        layOutFullScreen(input, layout);
    } else {
        placeToolbarContents(input, layout);
        placePageAndGoButton(input, layout);
    }
    return layout;
}
