// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/zoomsteps.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr double steps[]
    = { 0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0 };
// Factors this close to a step count as on it, so rounding in the engine cannot skip a step.
constexpr double tolerance = 0.001;
} // namespace

double ZoomSteps::zoomIn(double factor)
{
    const auto next = std::upper_bound(std::begin(steps), std::end(steps), factor + tolerance);
    return next == std::end(steps) ? std::max(factor, steps[std::size(steps) - 1]) : *next;
}

double ZoomSteps::zoomOut(double factor)
{
    const auto next = std::lower_bound(std::begin(steps), std::end(steps), factor - tolerance);
    return next == std::begin(steps) ? std::min(factor, steps[0]) : *std::prev(next);
}
