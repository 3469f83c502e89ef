// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressboxmodel.h"
#include "browser/core/historylist.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

using Key = AddressBoxModel::ReleasedKey;

struct Box
{
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
};

AddressBoxModel modelWith(const QStringList &history, const Box &box)
{
    AddressBoxModel model;
    model.setHistory(history);
    model.setEdit(box.text, box.selStart, box.selLength);
    return model;
}

void expectBox(const AddressBoxModel &model, const Box &expected)
{
    EXPECT_EQ(model.text(), expected.text);
    EXPECT_EQ(model.selStart(), expected.selStart);
    EXPECT_EQ(model.selLength(), expected.selLength);
}

// The combo box's find-string search: from the entry after `start`, wrapping round to it last.
struct FindRow
{
    const char *name;
    QStringList list;
    QString text;
    qsizetype start;
    qsizetype expected;
};

class HistoryFindTest : public testing::TestWithParam<FindRow>
{
};

TEST_P(HistoryFindTest, FindsFirstPrefixMatchInSearchOrder)
{
    const FindRow &row = GetParam();
    EXPECT_EQ(HistoryList(row.list).find(row.text, row.start), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HistoryFindTest,
    testing::Values(FindRow { "IndexOneBeforeIndexZero", { "xa", "xb" }, "x", 0, 1 },
        FindRow { "WrapsToIndexZeroLast", { "xa", "yb", "zc" }, "x", 0, 0 },
        FindRow {
            "NonAsciiIgnoresCase", { "q", "http://m\u00fcller.de/" }, "HTTP://M\u00dcL", 0, 1 },
        FindRow { "PrefixOnlyNotInside", { "www.example.com" }, "example", 0, -1 },
        FindRow { "SameLastCharacterIsNoMatch", { "http://b.org/", "xa" }, "http://a", 0, -1 },
        FindRow { "LongerThanEntry", { "ab" }, "abc", 0, -1 },
        FindRow { "EmptyTextFindsNothing", { "a" }, "", 0, -1 },
        FindRow { "StartEntrySearchedLast", { "b", "a1", "b2" }, "a", 1, 1 }),
    [](const testing::TestParamInfo<FindRow> &info) { return info.param.name; });

// One key release from a given box.
struct KeyRow
{
    const char *name;
    QStringList history;
    Box before;
    Key key;
    Box after;
    qsizetype listIndex;
};

class KeyReleaseTest : public testing::TestWithParam<KeyRow>
{
};

TEST_P(KeyReleaseTest, AppliesHttpRuleThenCompletion)
{
    const KeyRow &row = GetParam();
    AddressBoxModel model = modelWith(row.history, row.before);
    const bool submit = model.keyReleased(row.key);
    expectBox(model, row.after);
    EXPECT_EQ(model.listIndex(), row.listIndex);
    EXPECT_EQ(submit, row.key == Key::Enter);
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyReleaseTest,
    testing::Values(KeyRow { "PrefixMovesCaretBySeven", {}, { "ab.cd", 2, 0 }, Key::Other,
                        { "http://ab.cd", 9, 0 }, -1 },
        KeyRow { "ColonKeepsText", {}, { "localhost:8/a.b", 15, 0 }, Key::Other,
            { "localhost:8/a.b", 15, 0 }, -1 },
        KeyRow { "NoDotKeepsText", {}, { "intranet", 8, 0 }, Key::Other, { "intranet", 8, 0 }, -1 },
        KeyRow { "LocalPathGetsNoPrefixButCompletes", { "/home/ann/page.html" },
            { "/home/ann/page.", 15, 0 }, Key::Other, { "/home/ann/page.html", 15, 4 }, 0 },
        KeyRow { "HomePathGetsNoPrefix", {}, { "~/a.html", 8, 0 }, Key::Other, { "~/a.html", 8, 0 },
            -1 },
        KeyRow { "CompletesSelectingTail", { "xa", "xb" }, { "x", 1, 0 }, Key::Other,
            { "xb", 1, 1 }, 1 },
        KeyRow { "CompletesAfterPrefixRule", { "http://ab.cd/" }, { "ab.", 3, 0 }, Key::Other,
            { "http://ab.cd/", 10, 3 }, 0 },
        KeyRow { "BackspaceNeverCompletes", { "abc" }, { "ab", 2, 0 }, Key::Backspace,
            { "ab", 2, 0 }, -1 },
        KeyRow { "EnterCompletesThenAsksToSubmit", { "abc" }, { "a", 1, 0 }, Key::Enter,
            { "abc", 1, 2 }, 0 }),
    [](const testing::TestParamInfo<KeyRow> &info) { return info.param.name; });

TEST(KeyReleaseSequence, SelectedEntryIsNotCompletedAgainButRetypingIs)
{
    AddressBoxModel model = modelWith({ "abcd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.setEdit(model.text(), 4, 0); // an arrow key takes the caret to the end
    model.keyReleased(Key::Other);
    expectBox(model, { "abcd", 4, 0 });
    model.setEdit(QStringLiteral("a"), 1, 0); // Delete removed the tail
    model.keyReleased(Key::Other);
    expectBox(model, { "abcd", 1, 3 });
}

struct SubmitRow
{
    const char *name;
    Box before;
    QString address;
};

class SubmitTest : public testing::TestWithParam<SubmitRow>
{
};

TEST_P(SubmitTest, NavigatesToTextWithoutSelectedRange)
{
    const SubmitRow &row = GetParam();
    AddressBoxModel model = modelWith({}, row.before);
    EXPECT_EQ(model.submitAddress(), row.address);
    EXPECT_EQ(model.text(), row.address);
}

INSTANTIATE_TEST_SUITE_P(Rows, SubmitTest,
    testing::Values(SubmitRow { "CompletedTailDropped", { "xbcd", 1, 3 }, "x" },
        SubmitRow { "EarlierCopyOfSelectionKept", { "ab/ab", 0, 2 }, "/ab" },
        SubmitRow { "WholeTextSelectedKept", { "abc", 0, 3 }, "abc" }),
    [](const testing::TestParamInfo<SubmitRow> &info) { return info.param.name; });

// Only a choice made while the list is dropped down navigates.
struct ChoiceRow
{
    const char *name;
    bool droppedDown;
    bool closedFirst;
    qsizetype index;
    std::optional<QString> navigation;
    QString text;
};

class ListChoiceTest : public testing::TestWithParam<ChoiceRow>
{
};

TEST_P(ListChoiceTest, NavigatesOnlyOnChoiceInOpenList)
{
    const ChoiceRow &row = GetParam();
    AddressBoxModel model = modelWith({ "one", "two" }, { "typed", 5, 0 });
    if (row.droppedDown)
        model.listDroppedDown();
    if (row.closedFirst)
        model.listClosed();
    EXPECT_EQ(model.listEntryChosen(row.index), row.navigation);
    EXPECT_EQ(model.text(), row.text);
    EXPECT_EQ(model.listEntryChosen(row.index), std::nullopt); // never a second time
}

INSTANTIATE_TEST_SUITE_P(Rows, ListChoiceTest,
    testing::Values(ChoiceRow { "ChoiceInOpenList", true, false, 1, QStringLiteral("two"), "two" },
        ChoiceRow { "ArrowKeyInClosedBox", false, false, 0, std::nullopt, "one" },
        ChoiceRow { "ListClosedWithoutChoice", true, true, 1, std::nullopt, "two" },
        ChoiceRow { "IndexOutOfRange", true, false, 2, std::nullopt, "typed" }),
    [](const testing::TestParamInfo<ChoiceRow> &info) { return info.param.name; });

TEST(DoubleClick, SelectsAllOnlyWithCaretAtEnd)
{
    AddressBoxModel model = modelWith({}, { "abc", 1, 0 });
    EXPECT_FALSE(model.doubleClicked());
    expectBox(model, { "abc", 1, 0 });
    model.setEdit(QStringLiteral("abc"), 3, 0);
    EXPECT_TRUE(model.doubleClicked());
    expectBox(model, { "abc", 0, 3 });
}

TEST(ClearHistory, EmptiesListAndKeepsText)
{
    AddressBoxModel model = modelWith({ "abc", "abd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.clearHistory();
    EXPECT_EQ(model.listIndex(), -1);
    model.setEdit(QStringLiteral("ab"), 2, 0);
    model.keyReleased(Key::Other); // nothing left to complete from
    expectBox(model, { "ab", 2, 0 });
}

} // namespace
