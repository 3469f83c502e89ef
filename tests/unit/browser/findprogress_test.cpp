// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/findprogress.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

namespace {

// Without wrapping, a result behind the last one going forward (or on it) means the engine went
// round: the bar says so and steps back, and the answer to the step back keeps the message.
TEST(FindProgress, ReportsEachResultOfASequence)
{
    for (const QJsonValue sequence : tableRows("findprogress", "sequences")) {
        SCOPED_TRACE(shown(sequence));
        FindProgress progress;
        progress.restart();
        for (const QJsonValue step : sequence[1].toArray()) {
            const auto outcome = progress.result(step[0].toInt(), step[1].toInt(),
                step[2].toString() == u"forward" ? FindProgress::Direction::Forward
                                                 : FindProgress::Direction::Backward,
                sequence[0].toBool());
            const QString status = step[3].toString() == u"end" ? FindProgress::reachedEnd
                : step[3].toString() == u"top"                  ? FindProgress::reachedTop
                                                                : step[3].toString();
            EXPECT_EQ(outcome.status, status) << shown(step);
            EXPECT_EQ(outcome.stepBack, step[4].toBool()) << shown(step);
        }
    }
}

} // namespace
