// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/findprogress.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

constexpr auto F = FindProgress::Direction::Forward;
constexpr auto B = FindProgress::Direction::Backward;

// One search result as the engine reports it, and what the bar should make of it.
struct Step
{
    int matches;
    int active;
    FindProgress::Direction direction;
    QString status;
    bool stepBack;
};

TEST(FindProgress, ReportsEachResultOfASequence)
{
    const QString end = FindProgress::reachedEnd;
    const QString top = FindProgress::reachedTop;
    const std::pair<bool, std::vector<Step>> sequences[] = {
        { true,
            { { 2, 1, F, "1 of 2", false }, { 2, 2, F, "2 of 2", false },
                { 2, 1, F, "1 of 2", false } } },
        // Without wrapping, the answer to the step back keeps the message.
        { false,
            { { 2, 1, F, "1 of 2", false }, { 2, 2, F, "2 of 2", false }, { 2, 1, F, end, true },
                { 2, 2, F, end, false }, { 2, 1, B, "1 of 2", false } } },
        { false,
            { { 3, 2, F, "2 of 3", false }, { 3, 1, B, "1 of 3", false }, { 3, 3, B, top, true },
                { 3, 1, F, top, false } } },
        // Forward onto the match it already showed: the engine went round.
        { false, { { 1, 1, F, "1 of 1", false }, { 1, 1, F, end, true } } },
        { false,
            { { 2, 2, F, "2 of 2", false }, { 0, 0, F, "Not found", false },
                { 2, 1, F, "1 of 2", false } } },
    };
    int sequence = 0;
    for (const auto &[wrap, steps] : sequences) {
        ++sequence;
        FindProgress progress;
        progress.restart();
        for (size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "sequence " << sequence << " result " << i + 1);
            const Step &step = steps[i];
            const auto outcome = progress.result(step.matches, step.active, step.direction, wrap);
            EXPECT_EQ(outcome.status, step.status);
            EXPECT_EQ(outcome.stepBack, step.stepBack);
        }
    }
}

} // namespace
