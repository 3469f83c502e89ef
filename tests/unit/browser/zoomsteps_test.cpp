// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/zoomsteps.h"

#include <gtest/gtest.h>

namespace {

// Steps from actual size in one direction until the factor stops changing.
std::vector<double> walk(double (*step)(double))
{
    std::vector<double> factors { ZoomSteps::actualSize };
    for (double next = step(factors.back()); next != factors.back(); next = step(factors.back()))
        factors.push_back(next);
    return factors;
}

TEST(ZoomSteps, StepMonotonicallyToTheEngineLimitsAndStopThere)
{
    const auto in = walk(ZoomSteps::zoomIn);
    const auto out = walk(ZoomSteps::zoomOut);
    EXPECT_TRUE(std::is_sorted(in.begin(), in.end()));
    EXPECT_TRUE(std::is_sorted(out.rbegin(), out.rend()));
    EXPECT_DOUBLE_EQ(in.back(), 5.0);
    EXPECT_DOUBLE_EQ(out.back(), 0.25);
    EXPECT_GT(in.size(), 4u);
    EXPECT_GT(out.size(), 4u);
    // Each step back retraces the way out.
    for (size_t i = 1; i < in.size(); ++i)
        EXPECT_DOUBLE_EQ(ZoomSteps::zoomOut(in[i]), in[i - 1]);
    // Factors between steps move to the nearest step in that direction; one a hair off a step is
    // on it.
    const double between = (ZoomSteps::actualSize + ZoomSteps::zoomIn(1.0)) / 2;
    EXPECT_DOUBLE_EQ(ZoomSteps::zoomIn(between), ZoomSteps::zoomIn(1.0));
    EXPECT_DOUBLE_EQ(ZoomSteps::zoomOut(between), 1.0);
    EXPECT_DOUBLE_EQ(ZoomSteps::zoomIn(1.0004), ZoomSteps::zoomIn(1.0));
}

} // namespace
