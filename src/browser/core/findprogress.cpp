// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/findprogress.h"

#include <utility>

void FindProgress::restart()
{
    m_lastActive = 0;
    m_pendingStatus.clear();
}

FindProgress::Outcome FindProgress::result(
    int matches, int activeMatch, Direction direction, bool wrap)
{
    if (matches <= 0) {
        restart();
        return { notFound, false };
    }
    if (!m_pendingStatus.isEmpty()) {
        // The answer to our own step back: the user is on the match they left.
        m_lastActive = activeMatch;
        return { std::exchange(m_pendingStatus, QString()), false };
    }
    const bool forward = direction == Direction::Forward;
    const bool wrapped
        = m_lastActive > 0 && (forward ? activeMatch <= m_lastActive : activeMatch >= m_lastActive);
    if (wrapped && !wrap) {
        m_pendingStatus = forward ? reachedEnd : reachedTop;
        return { m_pendingStatus, true };
    }
    m_lastActive = activeMatch;
    return { QStringLiteral("%1 of %2").arg(activeMatch).arg(matches), false };
}
