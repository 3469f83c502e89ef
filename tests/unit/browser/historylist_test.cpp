// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/historylist.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

namespace {

// The combo box's find-string search, wParam 0.
struct FindRow
{
    const char *name;
    QStringList list;
    QString text;
    qsizetype start;
    qsizetype expected;
};

class HistoryListFindTest : public testing::TestWithParam<FindRow>
{
};

TEST_P(HistoryListFindTest, FindsFirstPrefixMatchInSearchOrder)
{
    const FindRow &row = GetParam();
    EXPECT_EQ(HistoryList(row.list).find(row.text, row.start), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HistoryListFindTest,
    testing::Values(FindRow { "IndexOneBeforeIndexZero", { "xa", "xb" }, "x", 0, 1 },
        FindRow { "WrapsToIndexZeroLast", { "xa", "yb", "zc" }, "x", 0, 0 },
        FindRow { "FirstMatchAfterIndexOne", { "a", "b", "ab1", "ab2" }, "ab", 0, 2 },
        FindRow { "TypedUpperEntryLower", { "abc" }, "AB", 0, 0 },
        FindRow { "TypedLowerEntryUpper", { "q", "HTTP://A.ORG/" }, "http://a.o", 0, 1 },
        FindRow { "NonAsciiIgnoresCase", { "http://m\u00fcller.de/" }, "http://M\u00dcL", 0, 0 },
        FindRow { "WholeEntryMatches", { "q", "abc" }, "ABC", 0, 1 },
        FindRow { "PrefixOnlyNotInside", { "www.example.com" }, "example", 0, -1 },
        FindRow { "LastCharacterAloneIsNoMatch", { "http://b.org/", "xx" }, "http://a", 0, -1 },
        FindRow { "LongerThanEntry", { "ab" }, "abc", 0, -1 },
        FindRow { "EmptyTextFindsNothing", { "a", "b" }, "", 0, -1 },
        FindRow { "EmptyListFindsNothing", {}, "a", 0, -1 },
        FindRow { "EmptyEntrySkipped", { "", "a" }, "a", 0, 1 },
        FindRow { "OtherStartSearchesAfterIt", { "a1", "a2", "a3" }, "a", 1, 2 },
        FindRow { "StartEntrySearchedLast", { "b", "a1", "b2" }, "a", 1, 1 }),
    [](const testing::TestParamInfo<FindRow> &info) { return info.param.name; });

TEST(HistoryList, AppendedEntryIsFoundIgnoringCase)
{
    HistoryList list({ "one" });
    list.append(QStringLiteral("HTTP://Two.ORG/"));
    EXPECT_EQ(list.find(u"http://two"), 1);
    EXPECT_EQ(list.at(1), QStringLiteral("HTTP://Two.ORG/"));
}

TEST(HistoryList, ClearedListFindsNothing)
{
    HistoryList list({ "one", "only" });
    list.clear();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.find(u"o"), -1);
}

} // namespace
