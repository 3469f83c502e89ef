// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageevents.h"

#include <cmath>

namespace PageEvents {

QString captionForTitle(const QString &title)
{
    return title + QStringLiteral(" - ") + productName;
}

StatusOutcome statusText(const QString &text, bool fullScreen, const QString &locationName)
{
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
