// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/blockheightindex.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace textpad;

// Random edits of the kinds a document makes (a line's height measured, lines typed, pasted or
// deleted), each checked against heights summed the slow way.
TEST(BlockHeightIndexTest, agreesWithSummedHeightsThroughRandomEdits)
{
    std::mt19937 random(20261207);
    std::vector<double> heights(50, 16.0);
    BlockHeightIndex index;
    index.reset(50, 16.0);
    for (int step = 0; step < 2000; ++step) {
        const int n = int(heights.size());
        const int first = int(random() % unsigned(n));
        const int removed = int(random() % unsigned(std::min(4, n - first) + 1));
        const int inserted = (n - removed > 1 ? 0 : 1) + int(random() % 4u);
        if (random() % 2) {
            const double height = 10 + double(random() % 30);
            heights[size_t(first)] = height;
            index.setHeight(first, height);
        } else {
            heights.erase(heights.begin() + first, heights.begin() + first + removed);
            heights.insert(heights.begin() + first, size_t(inserted), 16.0);
            index.replace(first, removed, inserted, 16.0);
        }
        ASSERT_EQ(index.count(), int(heights.size()));
        const int probe = int(random() % heights.size());
        const double top = std::accumulate(heights.begin(), heights.begin() + probe, 0.0);
        ASSERT_DOUBLE_EQ(index.top(probe), top) << "step " << step;
        ASSERT_EQ(index.blockAt(top), probe);
        ASSERT_EQ(index.blockAt(top + heights[size_t(probe)] - 0.5), probe);
    }
    EXPECT_EQ(index.blockAt(-5), 0);
    EXPECT_EQ(index.blockAt(index.total() + 5), index.count() - 1);
}
