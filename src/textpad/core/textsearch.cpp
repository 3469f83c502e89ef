// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/textsearch.h"

namespace textpad {

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c.isMark();
}

bool standsAlone(QStringView text, qsizetype start, qsizetype length)
{
    const qsizetype end = start + length;
    return (start == 0 || !isWordCharacter(text[start - 1]))
        && (end == text.size() || !isWordCharacter(text[end]));
}

Qt::CaseSensitivity sensitivity(const SearchOptions &options)
{
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// The first acceptable match starting in [from, last].
qsizetype forwardFrom(
    QStringView text, QStringView needle, qsizetype from, qsizetype last, const SearchOptions &o)
{
    for (qsizetype at = text.indexOf(needle, from, sensitivity(o)); at >= 0 && at <= last;
         at = text.indexOf(needle, at + 1, sensitivity(o))) {
        if (!o.wholeWords || standsAlone(text, at, needle.size()))
            return at;
    }
    return -1;
}

// The last acceptable match starting in [first, from].
qsizetype backwardFrom(
    QStringView text, QStringView needle, qsizetype from, qsizetype first, const SearchOptions &o)
{
    for (qsizetype at = from < 0 ? -1 : text.lastIndexOf(needle, from, sensitivity(o)); at >= first;
         at = at == 0 ? -1 : text.lastIndexOf(needle, at - 1, sensitivity(o))) {
        if (!o.wholeWords || standsAlone(text, at, needle.size()))
            return at;
    }
    return -1;
}

} // namespace

SearchHit findText(QStringView text, QStringView needle, qsizetype from, SearchDirection direction,
    const SearchOptions &options)
{
    if (needle.isEmpty() || needle.size() > text.size())
        return {};
    from = qBound(qsizetype(0), from, text.size());
    const qsizetype lastStart = text.size() - needle.size();
    qsizetype ahead = -1;
    qsizetype behind = -1;
    if (direction == SearchDirection::Forward) {
        ahead = forwardFrom(text, needle, from, lastStart, options);
        if (ahead < 0)
            behind = forwardFrom(text, needle, 0, from - 1, options);
    } else {
        const qsizetype latest = qMin(from - needle.size(), lastStart);
        ahead = backwardFrom(text, needle, latest, 0, options);
        if (ahead < 0)
            behind = backwardFrom(text, needle, lastStart, latest + 1, options);
    }
    if (ahead >= 0)
        return { ahead, false };
    if (behind < 0)
        return {};
    return { options.wrap ? behind : -1, true };
}

QList<qsizetype> findAll(QStringView text, QStringView needle, const SearchOptions &options)
{
    QList<qsizetype> starts;
    if (needle.isEmpty())
        return starts;
    const qsizetype lastStart = text.size() - needle.size();
    for (qsizetype at = forwardFrom(text, needle, 0, lastStart, options); at >= 0;
         at = forwardFrom(text, needle, at + needle.size(), lastStart, options))
        starts.append(at);
    return starts;
}

bool isMatch(QStringView candidate, QStringView needle, const SearchOptions &options)
{
    return !needle.isEmpty() && candidate.compare(needle, sensitivity(options)) == 0;
}

QString searchNote(const SearchHit &hit, SearchDirection direction)
{
    const bool forward = direction == SearchDirection::Forward;
    if (!hit.wrapped)
        return hit.start < 0 ? QStringLiteral("Not found") : QString();
    if (hit.start < 0) {
        return forward ? QStringLiteral("Reached the end of the document")
                       : QStringLiteral("Reached the top of the document");
    }
    return forward ? QStringLiteral("Reached the end of the document, continued from the top")
                   : QStringLiteral("Reached the top of the document, continued from the bottom");
}

QString replacedNote(qsizetype count)
{
    return count == 1 ? QStringLiteral("Replaced 1 occurrence")
                      : QStringLiteral("Replaced %1 occurrences").arg(count);
}

} // namespace textpad
