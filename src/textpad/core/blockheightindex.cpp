// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/blockheightindex.h"

namespace textpad {

namespace {
int lowestBit(int i)
{
    return i & -i;
}
} // namespace

double BlockHeightIndex::top(int block) const
{
    double sum = 0;
    for (int i = block; i > 0; i -= lowestBit(i))
        sum += m_sums[std::size_t(i)];
    return sum;
}

int BlockHeightIndex::blockAt(double y) const
{
    const int n = count();
    int step = 1;
    while (step * 2 <= n)
        step *= 2;
    // Walks down the tree to the most blocks whose heights together stay at or below y.
    int blocks = 0;
    for (; step > 0; step /= 2) {
        if (blocks + step <= n && m_sums[std::size_t(blocks + step)] <= y) {
            blocks += step;
            y -= m_sums[std::size_t(blocks)];
        }
    }
    return blocks < n ? blocks : n - 1;
}

void BlockHeightIndex::setHeight(int block, double height)
{
    const double change = height - m_heights[std::size_t(block)];
    m_heights[std::size_t(block)] = height;
    for (int i = block + 1; i <= count(); i += lowestBit(i))
        m_sums[std::size_t(i)] += change;
}

void BlockHeightIndex::reset(int count, double height)
{
    m_heights.assign(std::size_t(count), height);
    rebuild();
}

void BlockHeightIndex::replace(int first, int removed, int inserted, double height)
{
    if (removed == inserted) {
        for (int block = first; block < first + inserted; ++block)
            setHeight(block, height);
        return;
    }
    const auto at = m_heights.begin() + first;
    m_heights.erase(at, at + removed);
    m_heights.insert(m_heights.begin() + first, std::size_t(inserted), height);
    rebuild();
}

// Builds the tree in one pass: each node passes its sum on to its parent.
void BlockHeightIndex::rebuild()
{
    const int n = count();
    m_sums.assign(std::size_t(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        m_sums[std::size_t(i)] += m_heights[std::size_t(i - 1)];
        const int parent = i + lowestBit(i);
        if (parent <= n)
            m_sums[std::size_t(parent)] += m_sums[std::size_t(i)];
    }
}

} // namespace textpad
