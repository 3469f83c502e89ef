// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/browserlayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

static bool operator==(const LayoutPlacement &a, const LayoutPlacement &b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

static void PrintTo(const LayoutPlacement &p, std::ostream *os)
{
    for (const std::optional<float> &v : { p.left, p.top, p.width, p.height })
        v ? *os << *v << ' ' : *os << "keep ";
}

namespace {

constexpr std::nullopt_t keep = std::nullopt;

// A 9000 x 6000 window with 390-high toolbars, a 300-high status bar and navigation buttons
// (separators included) 3600 wide in all.
BrowserLayoutInput typicalWindow()
{
    BrowserLayoutInput input;
    input.innerWidth = 9000;
    input.innerHeight = 6000;
    input.tbarHeight = 390;
    input.tbar2Height = 390;
    input.sbarHeight = 300;
    input.navigationButtonWidths = { 60, 540, 540, 540, 540, 540, 60, 780 };
    input.goButtonWidth = 375;
    input.addressBoxHeight = 315;
    return input;
}

// The platform rounds the progress bar to whole pixels of 12 twips (120 DPI): the bar is centred
// on what it really got, and the Go button follows its top.
TEST(BrowserLayoutNormalForm, PlacesBarsAddressBoxGoButtonAndPage)
{
    BrowserLayoutInput input = typicalWindow();
    std::vector<float> asked;
    input.progressBarReportedHeight = [&asked](float h) {
        asked.push_back(h);
        return std::round(h / 12) * 12;
    };
    const BrowserLayout layout = layOutBrowser(input);

    EXPECT_EQ(asked, std::vector<float> { 335 });
    EXPECT_EQ(layout.web, (LayoutPlacement { 0, 780, 9000, 4920 }));
    EXPECT_EQ(layout.addressBox, (LayoutPlacement { 3600, -5, 4975, keep }));
    EXPECT_EQ(layout.progressBar, (LayoutPlacement { 3600, 27, 4975, 315 }));
    EXPECT_EQ(layout.goButton, (LayoutPlacement { 8625, 27, keep, 315 }));
    EXPECT_EQ(layout.leaveButton, LayoutPlacement {});
    EXPECT_EQ(layout.statusPanelWidth, 9000);
    EXPECT_TRUE(layout.barsVisible && layout.menusVisible && layout.progressBarBorder);
    EXPECT_FALSE(layout.leaveButtonVisible || layout.maximizeWindow);
}

// Steps from the status panel on, each with the field it places, in their order.
std::vector<int> placedTailSteps(const BrowserLayout &layout)
{
    const std::pair<int, bool> steps[] = {
        { 9, layout.statusPanelWidth.has_value() },
        { 10, layout.addressBox.width.has_value() },
        { 11, layout.progressBar.width.has_value() },
        { 12, layout.web.height.has_value() },
        { 13, layout.web.width.has_value() },
        { 15, layout.web.left.has_value() },
        { 16, layout.goButton.top.has_value() },
        { 17, layout.goButton.left.has_value() },
        { 18, layout.goButton.height.has_value() },
    };
    std::vector<int> placed;
    for (const auto &[step, isPlaced] : steps) {
        if (isPlaced)
            placed.push_back(step);
    }
    return placed;
}

struct StopRow
{
    const char *name;
    std::function<void(BrowserLayoutInput &)> change;
    int firstSkippedStep; // 20: the layout ran to its end
    float progressBarHeight;
};

// The first size that would be negative ends the layout; zero still fits.
TEST(BrowserLayoutNormalForm, StopsAtTheFirstSizeThatWouldBeNegative)
{
    const StopRow rows[] = {
        { "UnmeasuredWidth",
            [](BrowserLayoutInput &in) { in.innerWidth = std::numeric_limits<float>::quiet_NaN(); },
            9, 335 },
        { "BoxOneTwipTooNarrow", [](BrowserLayoutInput &in) { in.innerWidth = 4024; }, 10, 335 },
        { "BoxExactlyFits", [](BrowserLayoutInput &in) { in.innerWidth = 4025; }, 20, 315 },
        { "PageOneTwipTooShort", [](BrowserLayoutInput &in) { in.innerHeight = 1079; }, 12, 335 },
        { "PageExactlyFits", [](BrowserLayoutInput &in) { in.innerHeight = 1080; }, 20, 315 },
        { "NegativeBoxHeight", [](BrowserLayoutInput &in) { in.addressBoxHeight = -1; }, 18, 335 },
    };
    for (const StopRow &row : rows) {
        SCOPED_TRACE(row.name);
        BrowserLayoutInput input = typicalWindow();
        row.change(input);
        const BrowserLayout layout = layOutBrowser(input);
        std::vector<int> expected;
        for (int step : { 9, 10, 11, 12, 13, 15, 16, 17, 18 }) {
            if (step < row.firstSkippedStep)
                expected.push_back(step);
        }
        EXPECT_EQ(placedTailSteps(layout), expected);
        EXPECT_EQ(layout.progressBar.height, row.progressBarHeight);
        EXPECT_EQ(layout.addressBox.left, 3600);
        EXPECT_EQ(layout.web.top, 780);
    }
}

// A toolbar shorter than the bar's inset cannot centre the bar; the bar and the Go button keep
// their tops, and the rest of the window is still laid out.
TEST(BrowserLayoutNormalForm, ShortToolbarSkipsOnlyTheCentredBar)
{
    BrowserLayoutInput input = typicalWindow();
    input.tbarHeight = 54;
    bool asked = false;
    input.progressBarReportedHeight = [&asked](float h) { return asked = true, h; };
    const BrowserLayout layout = layOutBrowser(input);
    EXPECT_FALSE(asked);
    EXPECT_EQ(layout.progressBar, (LayoutPlacement { 3600, keep, 4975, 315 }));
    EXPECT_EQ(layout.goButton, (LayoutPlacement { 8625, keep, keep, 315 }));
    EXPECT_EQ(layout.web.height, 6000 - 54 - 390 - 300);
}

// The page fills the window beside the leave button; a window narrower than that button keeps
// only the bar's width.
TEST(BrowserLayoutFullScreen, PageFillsTheWindowBesideTheLeaveButton)
{
    BrowserLayoutInput input = typicalWindow();
    input.innerHeight = 8000;
    input.fullScreen = true;
    for (const auto &[width, barWidth] :
        { std::pair<float, std::optional<float>> { 12000, 11625 }, { 200, keep } }) {
        input.innerWidth = width;
        const BrowserLayout layout = layOutBrowser(input);
        EXPECT_EQ(layout.web, (LayoutPlacement { 0, 0, width, 8000 }));
        EXPECT_EQ(layout.leaveButton, (LayoutPlacement { 0, 0, keep, keep }));
        EXPECT_EQ(layout.progressBar, (LayoutPlacement { 375, 0, barWidth, 375 }));
        EXPECT_EQ(layout.statusPanelWidth, keep); // hidden controls keep their places
        EXPECT_TRUE(layout.maximizeWindow && layout.leaveButtonVisible);
        EXPECT_FALSE(layout.progressBarBorder || layout.barsVisible || layout.menusVisible);
    }
}

} // namespace
