// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressboxmodel.h"
#include "qstringprinter.h"

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
    testing::Values(KeyRow { "DotGetsPrefixCaretAfterIt", {}, { "ab.", 3, 0 }, Key::Other,
                        { "http://ab.", 10, 0 }, -1 },
        KeyRow { "PrefixMovesCaretBySeven", {}, { "ab.cd", 2, 0 }, Key::Other,
            { "http://ab.cd", 9, 0 }, -1 },
        KeyRow { "PrefixDropsSelection", {}, { "ab.cd", 1, 3 }, Key::Other,
            { "http://ab.cd", 8, 0 }, -1 },
        KeyRow { "ColonAnywhereKeepsText", {}, { "localhost:8080/a.b", 18, 0 }, Key::Other,
            { "localhost:8080/a.b", 18, 0 }, -1 },
        KeyRow { "NoDotKeepsText", {}, { "intranet", 8, 0 }, Key::Other, { "intranet", 8, 0 }, -1 },
        KeyRow { "LocalPathGetsNoPrefixButCompletes", { "/home/ann/page.html" },
            { "/home/ann/page.", 15, 0 }, Key::Other, { "/home/ann/page.html", 15, 4 }, 0 },
        KeyRow { "HomePathGetsNoPrefix", {}, { "~/a.html", 8, 0 }, Key::Other, { "~/a.html", 8, 0 },
            -1 },
        KeyRow { "CompletesSelectingTail", { "xa", "xb" }, { "x", 1, 0 }, Key::Other,
            { "xb", 1, 1 }, 1 },
        KeyRow {
            "CompletionTakesEntryCase", { "abc" }, { "AB", 2, 0 }, Key::Other, { "abc", 2, 1 }, 0 },
        KeyRow { "CompletesAfterPrefixRule", { "http://ab.cd/" }, { "ab.", 3, 0 }, Key::Other,
            { "http://ab.cd/", 10, 3 }, 0 },
        KeyRow { "BackspaceAppliesPrefixOnly", { "http://ab.cd/" }, { "ab.", 3, 0 }, Key::Backspace,
            { "http://ab.", 10, 0 }, -1 },
        KeyRow { "BackspaceNeverCompletes", { "abc" }, { "ab", 2, 0 }, Key::Backspace,
            { "ab", 2, 0 }, -1 },
        KeyRow { "EmptyBoxDoesNotComplete", { "abc", "def" }, { "", 0, 0 }, Key::Other,
            { "", 0, 0 }, -1 },
        KeyRow { "NoMatchKeepsText", { "abc" }, { "xyz", 3, 0 }, Key::Other, { "xyz", 3, 0 }, -1 },
        KeyRow {
            "ExactEntryCaretAtEnd", { "abc" }, { "abc", 3, 0 }, Key::Other, { "abc", 3, 0 }, 0 },
        KeyRow { "EnterCompletesThenAsksToSubmit", { "abc" }, { "a", 1, 0 }, Key::Enter,
            { "abc", 1, 2 }, 0 }),
    [](const testing::TestParamInfo<KeyRow> &info) { return info.param.name; });

TEST(KeyReleaseSequence, SelectedEntryIsNotCompletedAgain)
{
    AddressBoxModel model = modelWith({ "abcd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    // The caret moves to the end (an arrow key): the entry stays selected and the text stays.
    model.setEdit(model.text(), 4, 0);
    model.keyReleased(Key::Other);
    expectBox(model, { "abcd", 4, 0 });
}

TEST(KeyReleaseSequence, DeleteOfCompletedTailCompletesAgain)
{
    AddressBoxModel model = modelWith({ "abcd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.setEdit(QStringLiteral("a"), 1, 0); // Delete removed the selected tail
    model.keyReleased(Key::Other);
    expectBox(model, { "abcd", 1, 3 });
    EXPECT_EQ(model.listIndex(), 0);
}

TEST(KeyReleaseSequence, RetypingAfterErasingCompletesAgain)
{
    AddressBoxModel model = modelWith({ "abcd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.setEdit(QString(), 0, 0);
    model.keyReleased(Key::Backspace);
    model.setEdit(QStringLiteral("a"), 1, 0);
    model.keyReleased(Key::Other);
    expectBox(model, { "abcd", 1, 3 });
}

// Submit address: what is navigated to and what the box holds afterwards.
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
        SubmitRow { "OnlySelectedRangeRemoved", { "x/ab/ab", 5, 2 }, "x/ab/" },
        SubmitRow { "EarlierCopyOfSelectionKept", { "ab/ab", 0, 2 }, "/ab" },
        SubmitRow { "MiddleRangeRemoved", { "abcdef", 2, 2 }, "abef" },
        SubmitRow { "WholeTextSelectedKept", { "abc", 0, 3 }, "abc" },
        SubmitRow { "AcceptedCompletionKept", { "xbcd", 4, 0 }, "xbcd" },
        SubmitRow { "EmptyBoxSubmitsEmpty", { "", 0, 0 }, "" }),
    [](const testing::TestParamInfo<SubmitRow> &info) { return info.param.name; });

// List choices: only a choice made while the list is dropped down navigates.
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
    EXPECT_FALSE(model.isDroppedDown());
}

INSTANTIATE_TEST_SUITE_P(Rows, ListChoiceTest,
    testing::Values(ChoiceRow { "ChoiceInOpenList", true, false, 1, QStringLiteral("two"), "two" },
        ChoiceRow { "ArrowKeyInClosedBox", false, false, 0, std::nullopt, "one" },
        ChoiceRow { "ListClosedWithoutChoice", true, true, 1, std::nullopt, "two" },
        ChoiceRow { "IndexOutOfRange", false, false, 2, std::nullopt, "typed" }),
    [](const testing::TestParamInfo<ChoiceRow> &info) { return info.param.name; });

TEST(ListChoiceSequence, SecondChangeAfterNavigatingChoiceDoesNotNavigate)
{
    AddressBoxModel model = modelWith({ "one", "two" }, {});
    model.listDroppedDown();
    ASSERT_TRUE(model.listEntryChosen(0));
    EXPECT_EQ(model.listEntryChosen(1), std::nullopt);
}

TEST(ListChoiceSequence, ClosedBoxHoldingEntryKeepsCompletedTailSelected)
{
    // The combo box reports the entry the text already equals when Enter is pressed.
    AddressBoxModel model = modelWith({ "xa", "xb" }, { "x", 1, 0 });
    model.keyReleased(Key::Other);
    EXPECT_EQ(model.listEntryChosen(1), std::nullopt);
    EXPECT_EQ(model.submitAddress(), QStringLiteral("x"));
}

TEST(ListChoiceSequence, CompletionAfterClosedListSelectsWithoutNavigating)
{
    AddressBoxModel model = modelWith({ "abc" }, { "a", 1, 0 });
    model.listDroppedDown();
    model.listClosed();
    model.keyReleased(Key::Other);
    EXPECT_EQ(model.listIndex(), 0);
    EXPECT_FALSE(model.isDroppedDown());
}

struct DoubleClickRow
{
    const char *name;
    Box before;
    Box after;
    bool selectsAll;
};

class DoubleClickTest : public testing::TestWithParam<DoubleClickRow>
{
};

TEST_P(DoubleClickTest, SelectsAllOnlyWithCaretAtEnd)
{
    const DoubleClickRow &row = GetParam();
    AddressBoxModel model = modelWith({}, row.before);
    EXPECT_EQ(model.doubleClicked(), row.selectsAll);
    expectBox(model, row.after);
}

INSTANTIATE_TEST_SUITE_P(Rows, DoubleClickTest,
    testing::Values(DoubleClickRow { "CaretAtEnd", { "abc", 3, 0 }, { "abc", 0, 3 }, true },
        DoubleClickRow { "CaretInside", { "abc", 1, 0 }, { "abc", 1, 0 }, false },
        DoubleClickRow { "SelectionInside", { "abc", 1, 2 }, { "abc", 1, 2 }, false },
        DoubleClickRow { "EmptyText", { "", 0, 0 }, { "", 0, 0 }, true }),
    [](const testing::TestParamInfo<DoubleClickRow> &info) { return info.param.name; });

TEST(DoubleClickThenSubmit, NavigatesToWholeText)
{
    AddressBoxModel model = modelWith({}, { "x/ab", 4, 0 });
    model.doubleClicked();
    EXPECT_EQ(model.submitAddress(), QStringLiteral("x/ab"));
}

TEST(ClearHistory, EmptiesListAndKeepsText)
{
    AddressBoxModel model = modelWith({ "abc", "abd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.clearHistory();
    EXPECT_TRUE(model.history().isEmpty());
    EXPECT_EQ(model.listIndex(), -1);
    EXPECT_EQ(model.text(), QStringLiteral("abd"));
    model.keyReleased(Key::Other); // nothing left to complete from
    EXPECT_EQ(model.text(), QStringLiteral("abd"));
}

TEST(SetText, PageAddressLeavesCaretAtEnd)
{
    AddressBoxModel model = modelWith({ "http://a.b/" }, { "http", 4, 0 });
    model.setText(QStringLiteral("http://a.b/"));
    expectBox(model, { "http://a.b/", 11, 0 });
}

} // namespace
