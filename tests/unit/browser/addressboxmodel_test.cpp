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
TEST(HistoryList, FindsTheFirstPrefixMatchInSearchOrder)
{
    const struct
    {
        QStringList list;
        QString text;
        qsizetype start, expected;
    } rows[] = {
        { { "xa", "xb" }, "x", 0, 1 },
        { { "xa", "yb", "zc" }, "x", 0, 0 },
        { { "b", "a1", "b2" }, "a", 1, 1 },
        { { "q", "http://m\u00fcller.de/" }, "HTTP://M\u00dcL", 0, 1 },
        { { "zb" }, "ab", 0, -1 }, // same last character, other prefix
        { { "ab" }, "abc", 0, -1 },
        { { "a" }, "", 0, -1 },
    };
    for (const auto &row : rows)
        EXPECT_EQ(HistoryList(row.list).find(row.text, row.start), row.expected)
            << testing::PrintToString(row.list);
}

// One key release: the http rule, then completion from the history.
TEST(AddressBoxModel, KeyReleaseAppliesTheHttpRuleThenCompletion)
{
    const struct
    {
        const char *name;
        QStringList history;
        Box before;
        Key key;
        Box after;
        qsizetype listIndex;
    } rows[] = {
        { "PrefixMovesCaret", {}, { "ab.cd", 2, 0 }, Key::Other, { "http://ab.cd", 9, 0 }, -1 },
        { "ColonKeeps", {}, { "localhost:8/a.b", 15 }, Key::Other, { "localhost:8/a.b", 15 }, -1 },
        { "NoDotKeeps", {}, { "intranet", 8, 0 }, Key::Other, { "intranet", 8, 0 }, -1 },
        { "LocalPathCompletes", { "/home/ann/page.html" }, { "/home/ann/page.", 15, 0 }, Key::Other,
            { "/home/ann/page.html", 15, 4 }, 0 },
        { "HomePath", {}, { "~/a.html", 8, 0 }, Key::Other, { "~/a.html", 8, 0 }, -1 },
        { "SelectsTail", { "xa", "xb" }, { "x", 1, 0 }, Key::Other, { "xb", 1, 1 }, 1 },
        { "AfterPrefix", { "http://ab.cd/" }, { "ab.", 3, 0 }, Key::Other,
            { "http://ab.cd/", 10, 3 }, 0 },
        { "Backspace", { "abc" }, { "ab", 2, 0 }, Key::Backspace, { "ab", 2, 0 }, -1 },
        { "Enter", { "abc" }, { "a", 1, 0 }, Key::Enter, { "abc", 1, 2 }, 0 },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        AddressBoxModel model = modelWith(row.history, row.before);
        EXPECT_EQ(model.keyReleased(row.key), row.key == Key::Enter);
        expectBox(model, row.after);
        EXPECT_EQ(model.listIndex(), row.listIndex);
    }
}

TEST(AddressBoxModel, SelectedEntryIsNotCompletedAgainButRetypingIs)
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

// The selected range (a completed tail) is cut from the address, unless it is the whole text.
TEST(AddressBoxModel, SubmitNavigatesToTheTextWithoutTheSelectedRange)
{
    const std::pair<Box, QString> rows[]
        = { { { "xbcd", 1, 3 }, "x" }, { { "ab/ab", 0, 2 }, "/ab" }, { { "abc", 0, 3 }, "abc" } };
    for (const auto &[before, address] : rows) {
        AddressBoxModel model = modelWith({}, before);
        EXPECT_EQ(model.submitAddress(), address);
        EXPECT_EQ(model.text(), address);
    }
}

// Only a choice made while the list is dropped down navigates, and only once.
TEST(AddressBoxModel, ListChoiceNavigatesOnlyFromTheOpenList)
{
    const struct
    {
        bool droppedDown, closedFirst;
        qsizetype index;
        std::optional<QString> navigation;
        QString text;
    } rows[] = { { true, false, 1, QStringLiteral("two"), "two" },
        { false, false, 0, std::nullopt, "one" }, { true, true, 1, std::nullopt, "two" },
        { true, false, 2, std::nullopt, "typed" } };
    for (const auto &row : rows) {
        AddressBoxModel model = modelWith({ "one", "two" }, { "typed", 5, 0 });
        if (row.droppedDown)
            model.listDroppedDown();
        if (row.closedFirst)
            model.listClosed();
        EXPECT_EQ(model.listEntryChosen(row.index), row.navigation) << row.text.toStdString();
        EXPECT_EQ(model.text(), row.text);
        EXPECT_EQ(model.listEntryChosen(row.index), std::nullopt);
    }
}

TEST(AddressBoxModel, DoubleClickSelectsAllOnlyWithTheCaretAtTheEnd)
{
    AddressBoxModel model = modelWith({}, { "abc", 1, 0 });
    EXPECT_FALSE(model.doubleClicked());
    expectBox(model, { "abc", 1, 0 });
    model.setEdit(QStringLiteral("abc"), 3, 0);
    EXPECT_TRUE(model.doubleClicked());
    expectBox(model, { "abc", 0, 3 });
}

TEST(AddressBoxModel, ClearHistoryEmptiesTheListAndKeepsTheText)
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
