// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/questionqueue.h"

void QuestionQueue::ask(Question question, Answer answer)
{
    m_pending.enqueue({ std::move(question), std::move(answer) });
    if (!m_asking)
        askPending();
}

bool QuestionQueue::askNow(const Question &question)
{
    if (m_asking)
        return false;
    const bool yes = put(question);
    askPending();
    return yes;
}

bool QuestionQueue::put(const Question &question)
{
    if (isRefusing())
        return false;
    m_asking = true;
    const bool yes = question();
    m_asking = false;
    m_noInARow = yes ? 0 : m_noInARow + 1;
    return yes;
}

void QuestionQueue::askPending()
{
    while (!m_pending.isEmpty() && !m_asking) {
        auto [question, answer] = m_pending.dequeue();
        answer(put(question));
    }
}
