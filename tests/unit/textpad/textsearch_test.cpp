// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/textsearch.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

using namespace textpad;

namespace {

// Options named in a cell: "case", "words" and "nowrap" where they differ from the defaults.
SearchOptions options(const QJsonValue &cell)
{
    const QString names = cell.toString();
    return { names.contains(u"case"), names.contains(u"words"), !names.contains(u"nowrap") };
}

TEST(TextSearch, FindsTheNextMatchInItsDirection)
{
    for (const QJsonValue row : tableRows("textsearch", "find")) {
        const SearchDirection direction = row[3].toString() == u"forward"
            ? SearchDirection::Forward
            : SearchDirection::Backward;
        const SearchHit hit = findText(
            row[0].toString(), row[1].toString(), row[2].toInt(), direction, options(row[4]));
        EXPECT_EQ(hit.start, row[5].toInt()) << shown(row);
        EXPECT_EQ(hit.wrapped, row[6].toBool()) << shown(row);
    }
}

TEST(TextSearch, FindAllListsEveryMatchWithoutOverlap)
{
    for (const QJsonValue row : tableRows("textsearch", "find all")) {
        QList<qsizetype> starts;
        for (const QJsonValue start : row[3].toArray())
            starts.append(start.toInt());
        EXPECT_EQ(findAll(row[0].toString(), row[1].toString(), options(row[2])), starts)
            << shown(row);
    }
}

TEST(TextSearch, IsMatchFollowsMatchCase)
{
    for (const QJsonValue row : tableRows("textsearch", "is match"))
        EXPECT_EQ(isMatch(row[0].toString(), row[1].toString(), options(row[2])), row[3].toBool());
}

} // namespace
