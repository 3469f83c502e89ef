// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// How a browser window turns its page's events into captions, status text and progress.
namespace PageEvents {

inline const QString productName = QStringLiteral("Orbello's Web Viewer");

// "News" -> "News - Orbello's Web Viewer". Here and in status text the page's bidirectional
// embedding, override and isolate controls (U+202A to U+202E, U+2066 to U+2069) are dropped.
QString captionForTitle(const QString &title);

struct StatusOutcome
{
    QString panelText; // first panel of the status bar
    std::optional<QString> caption; // only in full screen, where the status bar is hidden
};

StatusOutcome statusText(const QString &text, bool fullScreen, const QString &locationName);

// P of M as the bar's value (0 to 100), or nothing when it cannot be computed or the bar would
// refuse it.
std::optional<float> progressValue(int progress, int progressMax);

struct WatchdogOutcome
{
    bool showAddressView = false;
    std::optional<int> lastProgress; // the new stored value, when the tick stores one
};

// One tick of the 2-second watch over a loading page. `value` is the bar's value, `lastProgress`
// the whole number the previous tick stored; a load that stalls or reaches 100 gives the address
// box back.
WatchdogOutcome watchdogTick(
    float value, bool progressBarVisible, int lastProgress, bool fullScreen);

} // namespace PageEvents
