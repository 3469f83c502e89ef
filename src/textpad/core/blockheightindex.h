// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace textpad {

// Where each block of a document starts when the blocks have heights of their own: the top of a
// block, the block at a height and the total each cost O(log n) (a Fenwick tree over the heights),
// so a document of millions of lines scrolls and answers clicks at once.
class BlockHeightIndex
{
public:
    int count() const { return int(m_heights.size()); }
    double height(int block) const { return m_heights[std::size_t(block)]; }
    double top(int block) const; // the heights of the blocks before it
    double total() const { return top(count()); }
    // The block covering y: the first one above the top, the last one below the end.
    int blockAt(double y) const;

    void setHeight(int block, double height);
    // `count` blocks of the same height, replacing all.
    void reset(int count, double height);
    // Replaces `removed` blocks from `first` by `inserted` blocks of the given height.
    void replace(int first, int removed, int inserted, double height);

private:
    void rebuild();

    std::vector<double> m_heights;
    std::vector<double>
        m_sums; // Fenwick tree, 1-based: m_sums[i] sums the heights of (i - lowbit(i), i]
};

} // namespace textpad
