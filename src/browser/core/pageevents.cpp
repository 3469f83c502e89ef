// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageevents.h"

#include <cmath>

namespace PageEvents {

namespace {

QString withoutBidiControls(QString text)
{
    // Embedding, override and isolate controls would let a page make its caption read as
    // something else, such as an innocent file name.
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    });
    return text;
}

} // namespace

QString captionForTitle(const QString &title)
{
    return withoutBidiControls(title) + QStringLiteral(" - ") + productName;
}

StatusOutcome statusText(const QString &pageText, bool fullScreen, const QString &locationName)
{
    const QString text = withoutBidiControls(pageText);
    StatusOutcome outcome;
    outcome.panelText = text.isEmpty() ? productName : text;
    if (fullScreen) {
        outcome.caption = text.isEmpty()
            ? captionForTitle(locationName)
            : captionForTitle(locationName) + QStringLiteral(" [ ") + text + QStringLiteral(" ] ");
    }
    return outcome;
}

std::optional<float> progressValue(int progress, int progressMax)
{
    if (progressMax == 0)
        return std::nullopt;
    const auto value = static_cast<float>(double(progress) / double(progressMax) * 100.0);
    if (!(value >= 0.0f && value <= 100.0f))
        return std::nullopt;
    return value;
}

WatchdogOutcome watchdogTick(
    float value, bool progressBarVisible, int lastProgress, bool fullScreen)
{
    WatchdogOutcome outcome;
    if (value == 100.0f && progressBarVisible)
        outcome.showAddressView = true;
    if (value == float(lastProgress))
        outcome.showAddressView = true;
    if (!fullScreen) {
        if (value == 100.0f)
            outcome.showAddressView = true;
        // Halfway values go to the even neighbour, so 37.5 is stored as 38 and 36.5 as 36.
        outcome.lastProgress = static_cast<int>(std::nearbyint(value));
    }
    return outcome;
}

} // namespace PageEvents
