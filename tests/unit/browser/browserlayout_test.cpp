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
    const auto show = [os](const char *name, const std::optional<float> &v) {
        *os << name << '=';
        v ? *os << *v : *os << "keep";
        *os << ' ';
    };
    show("left", p.left);
    show("top", p.top);
    show("width", p.width);
    show("height", p.height);
}

namespace {

constexpr std::nullopt_t keep = std::nullopt;

// Names each row of a table after its `name`, in test names and in failure messages.
struct RowName
{
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return info.param.name;
    }
};

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

void expectNormalVisibility(const BrowserLayout &layout)
{
    EXPECT_TRUE(layout.barsVisible);
    EXPECT_TRUE(layout.menusVisible);
    EXPECT_FALSE(layout.leaveButtonVisible);
    EXPECT_TRUE(layout.progressBarBorder);
    EXPECT_FALSE(layout.maximizeWindow);
}

TEST(BrowserLayoutNormalForm, PlacesBarsAddressBoxGoButtonAndPage)
{
    const BrowserLayout layout = layOutBrowser(typicalWindow());

    EXPECT_EQ(layout.web, (LayoutPlacement { 0, 780, 9000, 4920 }));
    EXPECT_EQ(layout.addressBox, (LayoutPlacement { 3600, -5, 4975, keep }));
    EXPECT_EQ(layout.progressBar, (LayoutPlacement { 3600, 27.5f, 4975, 315 }));
    EXPECT_EQ(layout.goButton, (LayoutPlacement { 8625, 27.5f, keep, 315 }));
    EXPECT_EQ(layout.leaveButton, LayoutPlacement {});
    EXPECT_EQ(layout.statusPanelWidth, 9000);
    expectNormalVisibility(layout);
}

struct FitRow
{
    const char *name;
    float width;
    std::array<float, 8> buttons;
    float goButtonWidth;
    float addressBoxHeight;
};

class AddressBoxAndGoButton : public testing::TestWithParam<FitRow>
{
};

// Whatever the sizes, the box runs from the last button to 50 short of the Go button, the Go
// button ends at the right edge and the progress bar covers exactly the box.
TEST_P(AddressBoxAndGoButton, FillTheNavigationToolbar)
{
    const FitRow &row = GetParam();
    BrowserLayoutInput input = typicalWindow();
    input.innerWidth = row.width;
    input.navigationButtonWidths = row.buttons;
    input.goButtonWidth = row.goButtonWidth;
    input.addressBoxHeight = row.addressBoxHeight;

    const BrowserLayout layout = layOutBrowser(input);

    ASSERT_TRUE(layout.addressBox.width && layout.goButton.left);
    float lastButtonEdge = 0;
    for (float w : row.buttons)
        lastButtonEdge += w;
    EXPECT_EQ(layout.addressBox.left, lastButtonEdge);
    EXPECT_FLOAT_EQ(
        *layout.goButton.left - (*layout.addressBox.left + *layout.addressBox.width), 50);
    EXPECT_FLOAT_EQ(*layout.goButton.left + row.goButtonWidth, row.width);
    EXPECT_EQ(layout.progressBar.left, layout.addressBox.left);
    EXPECT_EQ(layout.progressBar.width, layout.addressBox.width);
    EXPECT_EQ(layout.progressBar.height, row.addressBoxHeight);
    EXPECT_EQ(layout.goButton.height, row.addressBoxHeight);
    EXPECT_EQ(layout.statusPanelWidth, row.width);
    EXPECT_EQ(layout.web.width, row.width);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AddressBoxAndGoButton,
    testing::Values(FitRow { "Wide", 20000, { 60, 540, 540, 540, 540, 540, 60, 780 }, 375, 315 },
        FitRow { "BoxExactlyFits", 4025, { 60, 540, 540, 540, 540, 540, 60, 780 }, 375, 315 }),
    RowName());

struct ReportedHeightRow
{
    const char *name;
    std::function<float(float)> report;
    float expectedTop;
};

class ProgressBarReportedHeight : public testing::TestWithParam<ReportedHeightRow>
{
};

std::function<float(float)> wholePixels(float twipsPerPixel)
{
    return [twipsPerPixel](float h) { return std::round(h / twipsPerPixel) * twipsPerPixel; };
}

// The bar is centred on the height the platform really gave it, and the Go button follows its top;
// the bar then takes the address box's height whatever it reported.
TEST_P(ProgressBarReportedHeight, MovesTheBarAndGoButtonTop)
{
    const ReportedHeightRow &row = GetParam();
    std::vector<float> asked;
    BrowserLayoutInput input = typicalWindow();
    input.progressBarReportedHeight = nullptr;
    if (row.report) {
        input.progressBarReportedHeight = [&](float h) {
            asked.push_back(h);
            return row.report(h);
        };
    }

    const BrowserLayout layout = layOutBrowser(input);

    EXPECT_EQ(layout.progressBar.top, row.expectedTop);
    EXPECT_EQ(layout.goButton.top, row.expectedTop);
    EXPECT_EQ(layout.progressBar.height, 315);
    if (row.report) {
        EXPECT_EQ(asked, std::vector<float> { 335 });
    }
}

INSTANTIATE_TEST_SUITE_P(Rounding, ProgressBarReportedHeight,
    testing::Values(ReportedHeightRow { "WholePixelsAt96Dpi", wholePixels(15), 30 },
        ReportedHeightRow { "WholePixelsAt120Dpi", wholePixels(12), 27 }),
    RowName());

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

class NormalFormStops : public testing::TestWithParam<StopRow>
{
};

TEST_P(NormalFormStops, AtTheFirstSizeThatWouldBeNegative)
{
    const StopRow &row = GetParam();
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
    // The toolbar contents before the status panel are placed in every case.
    EXPECT_EQ(layout.addressBox.left, 3600);
    EXPECT_EQ(layout.addressBox.top, -5);
    EXPECT_EQ(layout.progressBar.top, 27.5f);
    EXPECT_EQ(layout.web.top, 780);
    expectNormalVisibility(layout);
}

INSTANTIATE_TEST_SUITE_P(FailureRule, NormalFormStops,
    testing::Values(
        StopRow { "UnmeasuredWidth",
            [](BrowserLayoutInput &in) { in.innerWidth = std::numeric_limits<float>::quiet_NaN(); },
            9, 335 },
        StopRow { "AddressBoxOneTwipTooNarrow",
            [](BrowserLayoutInput &in) { in.innerWidth = 4024; }, 10, 335 },
        StopRow {
            "PageOneTwipTooShort", [](BrowserLayoutInput &in) { in.innerHeight = 1079; }, 12, 335 },
        StopRow {
            "PageExactlyFits", [](BrowserLayoutInput &in) { in.innerHeight = 1080; }, 20, 315 },
        StopRow { "NegativeAddressBoxHeight",
            [](BrowserLayoutInput &in) { in.addressBoxHeight = -1; }, 18, 335 }),
    RowName());

// A toolbar shorter than the bar's inset cannot centre the bar; the bar and the Go button keep
// their tops, and the rest of the window is still laid out.
TEST(BrowserLayoutNormalForm, ShortToolbarSkipsOnlyTheCentredBar)
{
    BrowserLayoutInput input = typicalWindow();
    input.tbarHeight = 54;
    bool asked = false;
    input.progressBarReportedHeight = [&asked](float h) {
        asked = true;
        return h;
    };
    const BrowserLayout layout = layOutBrowser(input);
    EXPECT_FALSE(asked);
    EXPECT_EQ(layout.progressBar.top, keep);
    EXPECT_EQ(layout.goButton.top, keep);
    EXPECT_EQ(layout.progressBar.height, 315);
    EXPECT_EQ(layout.goButton.left, 8625);
    EXPECT_EQ(layout.web.height, 6000 - 54 - 390 - 300);
}

TEST(BrowserLayoutFullScreen, PageFillsTheWindowBesideTheLeaveButton)
{
    BrowserLayoutInput input = typicalWindow();
    input.innerWidth = 12000;
    input.innerHeight = 8000;
    input.fullScreen = true;

    const BrowserLayout layout = layOutBrowser(input);

    EXPECT_EQ(layout.web, (LayoutPlacement { 0, 0, 12000, 8000 }));
    EXPECT_EQ(layout.leaveButton, (LayoutPlacement { 0, 0, keep, keep }));
    EXPECT_EQ(layout.progressBar, (LayoutPlacement { 375, 0, 11625, 375 }));
    EXPECT_FALSE(layout.progressBarBorder);
    EXPECT_TRUE(layout.maximizeWindow);
    EXPECT_FALSE(layout.barsVisible);
    EXPECT_FALSE(layout.menusVisible);
    EXPECT_TRUE(layout.leaveButtonVisible);
    EXPECT_EQ(layout.statusPanelWidth, keep); // hidden controls keep their places
}

TEST(BrowserLayoutFullScreen, WindowNarrowerThanTheLeaveButtonKeepsOnlyTheBarWidth)
{
    BrowserLayoutInput input = typicalWindow();
    input.innerWidth = 200;
    input.innerHeight = 8000;
    input.fullScreen = true;

    const BrowserLayout layout = layOutBrowser(input);

    EXPECT_EQ(layout.progressBar, (LayoutPlacement { 375, 0, keep, 375 }));
    EXPECT_EQ(layout.web, (LayoutPlacement { 0, 0, 200, 8000 }));
    EXPECT_EQ(layout.leaveButton, (LayoutPlacement { 0, 0, keep, keep }));
}

} // namespace
