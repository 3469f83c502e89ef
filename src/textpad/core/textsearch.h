// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Plain-text search for the pad's find bar: no patterns, so no search can run away.
namespace textpad {

struct SearchOptions
{
    bool matchCase = false;
    bool wholeWords = false; // neither side of a match touches a letter, digit or underscore
    bool wrap = true;
};

enum class SearchDirection { Forward, Backward };

struct SearchHit
{
    qsizetype start = -1; // -1: no match
    // The matches lie only beyond the end searched towards: found round the other end with
    // wrapping, else not taken (start -1).
    bool wrapped = false;
};

// The next match going forward from `from` (starting there or later), or going backward (ending
// there or earlier); with wrapping, the search goes on from the other end.
SearchHit findText(QStringView text, QStringView needle, qsizetype from, SearchDirection direction,
    const SearchOptions &options);

// Where each match starts, in order; matches do not overlap.
QList<qsizetype> findAll(QStringView text, QStringView needle, const SearchOptions &options);

// Whether `candidate` is a match of `needle` in its own right: used to replace the selection.
bool isMatch(QStringView candidate, QStringView needle, const SearchOptions &options);

// The find bar's note about a search: "Not found", that it reached or went round an end, or
// nothing.
QString searchNote(const SearchHit &hit, SearchDirection direction);

// What Replace All reports.
QString replacedNote(qsizetype count);

} // namespace textpad
