// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/textsearch.h"

#include <gtest/gtest.h>

using namespace textpad;

namespace {

constexpr auto F = SearchDirection::Forward;
constexpr auto B = SearchDirection::Backward;
const SearchOptions anyCase { false, false, true };
const SearchOptions exactCase { true, false, true };
const SearchOptions words { false, true, true };
const SearchOptions noWrap { false, false, false };

TEST(TextSearch, FindsTheNextMatchInItsDirection)
{
    const struct
    {
        const char *text, *needle;
        int from;
        SearchDirection direction;
        SearchOptions options;
        qsizetype start;
        bool wrapped;
    } rows[] = {
        { "a cat, a Cat", "cat", 2, F, anyCase, 2, false },
        { "a cat, a Cat", "cat", 3, F, anyCase, 9, false },
        { "a cat, a Cat", "Cat", 0, F, exactCase, 9, false },
        { "a cat, a Cat", "cat", 10, F, anyCase, 2, true },
        { "a cat, a Cat", "cat", 10, F, noWrap, -1, true },
        { "a cat, a Cat", "cat", 12, B, anyCase, 9, false },
        { "a cat, a Cat", "cat", 11, B, anyCase, 2, false }, // overlaps `from`
        { "a cat, a Cat", "cat", 4, B, anyCase, 9, true },
        { "a cat, a Cat", "cat", 4, B, noWrap, -1, true },
        { "concat cat_x cat", "cat", 0, F, words, 13, false },
        { "(cat)", "cat", 0, F, words, 1, false },
        { "\xC3\xA9"
          "cat cat",
            "cat", 0, F, words, 5, false },
        { "a dog", "cat", 0, F, anyCase, -1, false },
        { "a cat", "", 0, F, anyCase, -1, false },
        { "ca", "cat", 0, B, anyCase, -1, false },
        { "cat", "cat", 99, B, anyCase, 0, false },
    };
    for (const auto &row : rows) {
        const SearchHit hit = findText(QString::fromUtf8(row.text), QString::fromUtf8(row.needle),
            row.from, row.direction, row.options);
        EXPECT_EQ(hit.start, row.start) << row.text << " from " << row.from;
        EXPECT_EQ(hit.wrapped, row.wrapped) << row.text << " from " << row.from;
    }
}

TEST(TextSearch, FindAllListsEveryMatchWithoutOverlap)
{
    const std::tuple<const char *, const char *, SearchOptions, QList<qsizetype>> rows[] = {
        { "Tag tag TAG", "tag", anyCase, { 0, 4, 8 } },
        { "Tag tag TAG", "tag", exactCase, { 4 } },
        { "aaaa", "aa", anyCase, { 0, 2 } },
        { "<b>b</b> bb", "b", words, { 1, 3, 6 } },
        { "text", "", anyCase, {} },
    };
    for (const auto &[text, needle, options, starts] : rows)
        EXPECT_EQ(findAll(QString::fromUtf8(text), QString::fromUtf8(needle), options), starts)
            << text;
}

TEST(TextSearch, IsMatchFollowsMatchCase)
{
    EXPECT_TRUE(isMatch(u"CAT", u"cat", anyCase));
    EXPECT_FALSE(isMatch(u"CAT", u"cat", exactCase));
    EXPECT_FALSE(isMatch(u"cats", u"cat", anyCase));
    EXPECT_FALSE(isMatch(u"", u"", anyCase));
}

} // namespace
