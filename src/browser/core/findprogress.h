// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the find bar shows for each search result, and whether it must step back because the
// engine went past the end of the page while wrapping is off. The engine always wraps, so a
// result that lands behind the previous match (or on it) going forward means it wrapped.
class FindProgress
{
public:
    enum class Direction { Forward, Backward };

    struct Outcome
    {
        QString status;
        // Search once more in the opposite direction, back to the match the user was on.
        bool stepBack = false;
    };

    static inline const QString notFound = QStringLiteral("Not found");
    static inline const QString reachedEnd = QStringLiteral("Reached the end of the page");
    static inline const QString reachedTop = QStringLiteral("Reached the top of the page");

    // A new search text: its first result never counts as wrapping.
    void restart();

    // One result of the search just made in `direction`. `activeMatch` is 1-based, 0 for none.
    Outcome result(int matches, int activeMatch, Direction direction, bool wrap);

private:
    int m_lastActive = 0;
    QString m_pendingStatus; // set while the step back is on its way
};
