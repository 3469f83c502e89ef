// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/textsearch.h"

#include <gtest/gtest.h>

using namespace textpad;

namespace {

constexpr auto F = SearchDirection::Forward;
constexpr auto B = SearchDirection::Backward;

struct FindRow
{
    const char *name;
    const char *text;
    const char *needle;
    int from;
    SearchDirection direction;
    SearchOptions options;
    qsizetype start;
    bool wrapped;
};

void PrintTo(const FindRow &row, std::ostream *os)
{
    *os << row.name;
}

class FindTextTest : public testing::TestWithParam<FindRow>
{
};

TEST_P(FindTextTest, findsTheNextMatchInItsDirection)
{
    const FindRow &row = GetParam();
    const SearchHit hit = findText(QString::fromUtf8(row.text), QString::fromUtf8(row.needle),
        row.from, row.direction, row.options);
    EXPECT_EQ(hit.start, row.start);
    EXPECT_EQ(hit.wrapped, row.wrapped);
}

const SearchOptions anyCase { false, false, true };
const SearchOptions exactCase { true, false, true };
const SearchOptions words { false, true, true };
const SearchOptions noWrap { false, false, false };

INSTANTIATE_TEST_SUITE_P(Rows, FindTextTest,
    testing::Values(FindRow { "forwardFromStart", "a cat, a Cat", "cat", 0, F, anyCase, 2, false },
        FindRow { "forwardStartsAtFrom", "a cat, a Cat", "cat", 2, F, anyCase, 2, false },
        FindRow { "forwardSkipsPastFrom", "a cat, a Cat", "cat", 3, F, anyCase, 9, false },
        FindRow { "matchCaseSkipsOtherCase", "a cat, a Cat", "Cat", 0, F, exactCase, 9, false },
        FindRow { "forwardWrapsToTheTop", "a cat, a Cat", "cat", 10, F, anyCase, 2, true },
        FindRow { "forwardWithoutWrapStops", "a cat, a Cat", "cat", 10, F, noWrap, -1, true },
        FindRow { "backwardEndsAtFrom", "a cat, a Cat", "cat", 12, B, anyCase, 9, false },
        FindRow { "backwardSkipsOverlapWithFrom", "a cat, a Cat", "cat", 11, B, anyCase, 2, false },
        FindRow { "backwardWrapsToTheBottom", "a cat, a Cat", "cat", 4, B, anyCase, 9, true },
        FindRow { "backwardWithoutWrapStops", "a cat, a Cat", "cat", 4, B, noWrap, -1, true },
        FindRow {
            "wholeWordsSkipsPartsOfWords", "concat cat_x cat", "cat", 0, F, words, 13, false },
        FindRow { "wholeWordsAcceptsPunctuation", "(cat)", "cat", 0, F, words, 1, false },
        FindRow { "wholeWordsSeesAccentedLetters",
            "\xC3\xA9"
            "cat cat",
            "cat", 0, F, words, 5, false },
        FindRow { "notFoundAnywhere", "a dog", "cat", 0, F, anyCase, -1, false },
        FindRow { "emptyNeedleFindsNothing", "a cat", "", 0, F, anyCase, -1, false },
        FindRow { "needleLongerThanText", "ca", "cat", 0, B, anyCase, -1, false },
        FindRow { "fromBeyondTheEnd", "cat", "cat", 99, B, anyCase, 0, false }),
    [](const testing::TestParamInfo<FindRow> &info) { return std::string(info.param.name); });

struct FindAllRow
{
    const char *name;
    const char *text;
    const char *needle;
    SearchOptions options;
    QList<qsizetype> starts;
};

void PrintTo(const FindAllRow &row, std::ostream *os)
{
    *os << row.name;
}

class FindAllTest : public testing::TestWithParam<FindAllRow>
{
};

TEST_P(FindAllTest, listsEveryMatchWithoutOverlap)
{
    const FindAllRow &row = GetParam();
    EXPECT_EQ(findAll(QString::fromUtf8(row.text), QString::fromUtf8(row.needle), row.options),
        row.starts);
}

INSTANTIATE_TEST_SUITE_P(Rows, FindAllTest,
    testing::Values(FindAllRow { "everyCase", "Tag tag TAG", "tag", anyCase, { 0, 4, 8 } },
        FindAllRow { "exactCase", "Tag tag TAG", "tag", exactCase, { 4 } },
        FindAllRow { "noOverlap", "aaaa", "aa", anyCase, { 0, 2 } },
        FindAllRow { "wholeWords", "<b>b</b> bb", "b", words, { 1, 3, 6 } },
        FindAllRow { "emptyNeedle", "text", "", anyCase, {} }),
    [](const testing::TestParamInfo<FindAllRow> &info) { return std::string(info.param.name); });

TEST(IsMatchTest, followsMatchCase)
{
    EXPECT_TRUE(isMatch(u"CAT", u"cat", anyCase));
    EXPECT_FALSE(isMatch(u"CAT", u"cat", exactCase));
    EXPECT_FALSE(isMatch(u"cats", u"cat", anyCase));
    EXPECT_FALSE(isMatch(u"", u"", anyCase));
}

} // namespace
