// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>

// The arithmetic that places a browser window's bars, address box, Go button, progress bar and
// page, in twips. The window gathers the sizes, calls layOutBrowser and applies the result; a field
// left empty means "keep what the control has", which is how a step that cannot run leaves it.
struct BrowserLayoutInput
{
    float innerWidth = 0; // W: the window's client area
    float innerHeight = 0; // H
    float tbarHeight = 0; // navigation toolbar
    float tbar2Height = 0; // tools toolbar
    float sbarHeight = 0; // status bar
    std::array<float, 8> navigationButtonWidths {}; // b1 .. b8
    float goButtonWidth = 375; // Command1
    float leaveButtonWidth = 375; // Command2
    float leaveButtonHeight = 375;
    float addressBoxHeight = 0; // text2, set by its font
    bool fullScreen = false;
    // The height the progress bar reports after being given a height (whole screen pixels).
    std::function<float(float)> progressBarReportedHeight = [](float h) { return h; };
};

struct LayoutPlacement
{
    std::optional<float> left;
    std::optional<float> top;
    std::optional<float> width;
    std::optional<float> height;
};

struct BrowserLayout
{
    bool maximizeWindow = false;
    // Visibility of the bars and controls the layout shows or hides (the progress bar's own
    // visibility is never the layout's business).
    bool barsVisible = true; // tbar, tbar2, sbar, text2, searchbar, Command1
    bool leaveButtonVisible = false; // Command2
    bool menusVisible = true; // op1, op8, editer, opt, win, sel, h1
    bool progressBarBorder = true;

    LayoutPlacement web;
    LayoutPlacement addressBox; // text2, inside tbar
    LayoutPlacement progressBar; // probar
    LayoutPlacement goButton; // Command1
    LayoutPlacement leaveButton; // Command2
    std::optional<float> statusPanelWidth; // first panel of sbar
};

BrowserLayout layOutBrowser(const BrowserLayoutInput &input);
