// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The zoom levels a page steps through with the zoom keys, from 25% to 500% (the engine's range).
namespace ZoomSteps {

constexpr double actualSize = 1.0;

// The next level above or below `factor`; at either end the factor stays where it is.
double zoomIn(double factor);
double zoomOut(double factor);

} // namespace ZoomSteps
