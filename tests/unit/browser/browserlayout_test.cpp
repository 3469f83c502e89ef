// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/browserlayout.h"

#include "unit/testsupport.h"

#include <QHash>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr std::nullopt_t keep = std::nullopt;

// A placement as left, top, width and height; an empty field keeps what the control has.
using Place = std::tuple<std::optional<float>, std::optional<float>, std::optional<float>,
    std::optional<float>>;

Place place(const LayoutPlacement &p)
{
    return { p.left, p.top, p.width, p.height };
}

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
    EXPECT_EQ(place(layout.web), Place(0, 780, 9000, 4920));
    EXPECT_EQ(place(layout.addressBox), Place(3600, -5, 4975, keep));
    EXPECT_EQ(place(layout.progressBar), Place(3600, 27, 4975, 315));
    EXPECT_EQ(place(layout.goButton), Place(8625, 27, keep, 315));
    EXPECT_EQ(place(layout.leaveButton), Place());
    EXPECT_EQ(layout.statusPanelWidth, 9000);
    EXPECT_TRUE(layout.barsVisible && layout.menusVisible && layout.progressBarBorder);
    EXPECT_FALSE(layout.leaveButtonVisible || layout.maximizeWindow);
}

// The first size that would be negative ends the layout, leaving that field and every later one
// empty; zero still fits. A size that is not a number counts as negative.
TEST(BrowserLayoutNormalForm, StopsAtTheFirstSizeThatWouldBeNegative)
{
    const QHash<QString, float BrowserLayoutInput::*> sizes { { "width",
                                                                  &BrowserLayoutInput::innerWidth },
        { "height", &BrowserLayoutInput::innerHeight },
        { "address box height", &BrowserLayoutInput::addressBoxHeight } };
    for (const QJsonValue row : tableRows("browserlayout", "stops")) {
        SCOPED_TRACE(shown(row));
        BrowserLayoutInput input = typicalWindow();
        input.*sizes.value(row[0].toString()) = float(row[1].toDouble(qQNaN()));
        const BrowserLayout layout = layOutBrowser(input);
        const std::optional<float> tail[] = { layout.statusPanelWidth, layout.addressBox.width,
            layout.progressBar.width, layout.web.height, layout.web.width, layout.web.left,
            layout.goButton.top, layout.goButton.left, layout.goButton.height };
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(tail[i].has_value(), i < row[2].toInt()) << "field " << i;
        EXPECT_EQ(layout.progressBar.height, row[3].toDouble());
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
    EXPECT_EQ(place(layout.progressBar), Place(3600, keep, 4975, 315));
    EXPECT_EQ(place(layout.goButton), Place(8625, keep, keep, 315));
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
        EXPECT_EQ(place(layout.web), Place(0, 0, width, 8000));
        EXPECT_EQ(place(layout.leaveButton), Place(0, 0, keep, keep));
        EXPECT_EQ(place(layout.progressBar), Place(375, 0, barWidth, 375));
        EXPECT_EQ(layout.statusPanelWidth, keep); // hidden controls keep their places
        EXPECT_TRUE(layout.maximizeWindow && layout.leaveButtonVisible);
        EXPECT_FALSE(layout.progressBarBorder || layout.barsVisible || layout.menusVisible);
    }
}

} // namespace
