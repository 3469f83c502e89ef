// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/findprogress.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

using Direction = FindProgress::Direction;

// One search result as the engine reports it, and what the bar should make of it.
struct Step
{
    int matches;
    int active;
    Direction direction;
    QString status;
    bool stepBack;
};

struct SequenceRow
{
    const char *name;
    bool wrap;
    std::vector<Step> steps;
};

class FindProgressTest : public testing::TestWithParam<SequenceRow>
{
};

TEST_P(FindProgressTest, ReportsEachResult)
{
    FindProgress progress;
    progress.restart();
    int number = 0;
    for (const Step &step : GetParam().steps) {
        SCOPED_TRACE(testing::Message() << "result " << ++number);
        const auto outcome
            = progress.result(step.matches, step.active, step.direction, GetParam().wrap);
        EXPECT_EQ(outcome.status, step.status);
        EXPECT_EQ(outcome.stepBack, step.stepBack);
    }
}

const QString endOfPage = FindProgress::reachedEnd;
const QString topOfPage = FindProgress::reachedTop;

INSTANTIATE_TEST_SUITE_P(FindProgress, FindProgressTest,
    testing::Values(
        SequenceRow { "NothingFound", true, { { 0, 0, Direction::Forward, "Not found", false } } },
        SequenceRow { "ForwardThroughMatches", true,
            { { 3, 1, Direction::Forward, "1 of 3", false },
                { 3, 2, Direction::Forward, "2 of 3", false },
                { 3, 3, Direction::Forward, "3 of 3", false } } },
        SequenceRow { "WrapsForwardWhenAllowed", true,
            { { 2, 1, Direction::Forward, "1 of 2", false },
                { 2, 2, Direction::Forward, "2 of 2", false },
                { 2, 1, Direction::Forward, "1 of 2", false } } },
        SequenceRow { "StopsAtTheEndWithoutWrap", false,
            { { 2, 1, Direction::Forward, "1 of 2", false },
                { 2, 2, Direction::Forward, "2 of 2", false },
                { 2, 1, Direction::Forward, endOfPage, true },
                // the answer to the step back keeps the message
                { 2, 2, Direction::Forward, endOfPage, false },
                { 2, 1, Direction::Backward, "1 of 2", false } } },
        SequenceRow { "StopsAtTheTopWithoutWrap", false,
            { { 3, 2, Direction::Forward, "2 of 3", false },
                { 3, 1, Direction::Backward, "1 of 3", false },
                { 3, 3, Direction::Backward, topOfPage, true },
                { 3, 1, Direction::Forward, topOfPage, false } } },
        // Forward onto the match it already showed: the engine went round.
        SequenceRow { "SingleMatchWithoutWrapStaysPut", false,
            { { 1, 1, Direction::Forward, "1 of 1", false },
                { 1, 1, Direction::Forward, endOfPage, true } } },
        SequenceRow { "NotFoundStartsAfresh", false,
            { { 2, 2, Direction::Forward, "2 of 2", false },
                { 0, 0, Direction::Forward, "Not found", false },
                { 2, 1, Direction::Forward, "1 of 2", false } } }),
    [](const testing::TestParamInfo<SequenceRow> &info) { return std::string(info.param.name); });

} // namespace
