// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QQueue>
#include <functional>
#include <utility>

// The questions one page puts to the user (permissions, certificates, sign-in, downloads), so a
// page cannot flood the user: one question at a time, and once the user has said No three times
// in a row, the page's further requests are refused without asking until its next load.
class QuestionQueue
{
public:
    // Asks the user; true for Yes.
    using Question = std::function<bool()>;
    using Answer = std::function<void(bool yes)>;

    // Asks now, or after the open question when one is open; a refused page is answered No at
    // once.
    void ask(Question question, Answer answer);
    // For requests that must be answered before the caller returns: asks now when no question is
    // open, otherwise answers No without asking.
    bool askNow(const Question &question);

    // The page loads anew: it may ask again.
    void restart() { m_noInARow = 0; }
    bool isRefusing() const { return m_noInARow >= refusalLimit; }

private:
    static constexpr int refusalLimit = 3;

    bool put(const Question &question);
    void askPending();

    QQueue<std::pair<Question, Answer>> m_pending;
    bool m_asking = false;
    int m_noInARow = 0;
};
