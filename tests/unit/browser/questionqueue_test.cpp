// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/questionqueue.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(QuestionQueue, AsksOneQuestionAtATime)
{
    QuestionQueue queue;
    QStringList events;
    queue.ask(
        [&] {
            events << QStringLiteral("ask 1");
            // Requests arriving while a question is open wait, or are refused when they cannot.
            queue.ask([&] { return events << QStringLiteral("ask 2"), true; },
                [&](bool yes) { events << QStringLiteral("answer 2 %1").arg(yes); });
            EXPECT_FALSE(queue.askNow([&] { return events << QStringLiteral("ask 3"), true; }));
            return false;
        },
        [&](bool yes) { events << QStringLiteral("answer 1 %1").arg(yes); });
    EXPECT_EQ(events,
        QStringList({ QStringLiteral("ask 1"), QStringLiteral("answer 1 0"),
            QStringLiteral("ask 2"), QStringLiteral("answer 2 1") }));
}

TEST(QuestionQueue, RefusesAPageAfterThreeNoInARowUntilItsNextLoad)
{
    QuestionQueue queue;
    int asked = 0;
    auto answer = [&](bool yes) { return [&asked, yes] { return ++asked, yes; }; };
    EXPECT_FALSE(queue.askNow(answer(false)));
    EXPECT_FALSE(queue.askNow(answer(false)));
    EXPECT_TRUE(queue.askNow(answer(true))); // a Yes breaks the row
    for (int i = 0; i < 3; ++i)
        queue.askNow(answer(false));
    EXPECT_EQ(asked, 6);
    EXPECT_FALSE(queue.askNow(answer(true)));
    bool queuedAnswer = true;
    queue.ask(answer(true), [&](bool yes) { queuedAnswer = yes; });
    EXPECT_FALSE(queuedAnswer);
    EXPECT_EQ(asked, 6);
    queue.restart();
    EXPECT_TRUE(queue.askNow(answer(true)));
    EXPECT_EQ(asked, 7);
}

} // namespace
