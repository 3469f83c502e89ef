// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressboxmodel.h"
#include "browser/core/historylist.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <QHash>

#include <gtest/gtest.h>

namespace {

using Key = AddressBoxModel::ReleasedKey;

// The box: its text, selection start and selection length.
using Box = std::tuple<QString, qsizetype, qsizetype>;

Box box(const QJsonValue &cell)
{
    return { cell[0].toString(), cell[1].toInt(), cell[2].toInt() };
}

Box box(const AddressBoxModel &model)
{
    return { model.text(), model.selStart(), model.selLength() };
}

AddressBoxModel modelWith(const QStringList &history, const Box &box)
{
    AddressBoxModel model;
    model.setHistory(history);
    model.setEdit(std::get<0>(box), std::get<1>(box), std::get<2>(box));
    return model;
}

// The combo box's find-string search.
TEST(HistoryList, FindsTheFirstPrefixMatchInSearchOrder)
{
    for (const QJsonValue row : tableRows("addressboxmodel", "history find")) {
        EXPECT_EQ(
            HistoryList(strings(row[0])).find(row[1].toString(), row[2].toInt()), row[3].toInt())
            << shown(row);
    }
}

// One key release: the http rule, then completion from the history; Enter also asks to submit.
TEST(AddressBoxModel, KeyReleaseAppliesTheHttpRuleThenCompletion)
{
    const QHash<QString, Key> keys { { "other", Key::Other }, { "backspace", Key::Backspace },
        { "enter", Key::Enter } };
    for (const QJsonValue row : tableRows("addressboxmodel", "key release")) {
        SCOPED_TRACE(shown(row));
        AddressBoxModel model = modelWith(strings(row[0]), box(row[1]));
        const Key key = keys.value(row[2].toString());
        EXPECT_EQ(model.keyReleased(key), key == Key::Enter);
        EXPECT_EQ(box(model), box(row[3]));
        EXPECT_EQ(model.listIndex(), row[4].toInt());
    }
}

TEST(AddressBoxModel, SelectedEntryIsNotCompletedAgainButRetypingIs)
{
    AddressBoxModel model = modelWith({ "abcd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.setEdit(model.text(), 4, 0); // an arrow key takes the caret to the end
    model.keyReleased(Key::Other);
    EXPECT_EQ(box(model), Box("abcd", 4, 0));
    model.setEdit(QStringLiteral("a"), 1, 0); // Delete removed the tail
    model.keyReleased(Key::Other);
    EXPECT_EQ(box(model), Box("abcd", 1, 3));
}

TEST(AddressBoxModel, SubmitNavigatesToTheTextWithoutTheSelectedRange)
{
    for (const QJsonValue row : tableRows("addressboxmodel", "submit")) {
        AddressBoxModel model = modelWith({}, box(row[0]));
        EXPECT_EQ(model.submitAddress(), row[1].toString()) << shown(row);
        EXPECT_EQ(model.text(), row[1].toString());
    }
}

// Only a choice made while the list is dropped down navigates, and only once.
TEST(AddressBoxModel, ListChoiceNavigatesOnlyFromTheOpenList)
{
    for (const QJsonValue row : tableRows("addressboxmodel", "list choice")) {
        AddressBoxModel model = modelWith({ "one", "two" }, { "typed", 5, 0 });
        if (row[0].toBool())
            model.listDroppedDown();
        if (row[1].toBool())
            model.listClosed();
        EXPECT_EQ(
            model.listEntryChosen(row[2].toInt()).value_or("(none)"), row[3].toString("(none)"))
            << shown(row);
        EXPECT_EQ(model.text(), row[4].toString());
        EXPECT_EQ(model.listEntryChosen(row[2].toInt()), std::nullopt);
    }
}

TEST(AddressBoxModel, DoubleClickSelectsAllOnlyWithTheCaretAtTheEnd)
{
    AddressBoxModel model = modelWith({}, { "abc", 1, 0 });
    EXPECT_FALSE(model.doubleClicked());
    EXPECT_EQ(box(model), Box("abc", 1, 0));
    model.setEdit(QStringLiteral("abc"), 3, 0);
    EXPECT_TRUE(model.doubleClicked());
    EXPECT_EQ(box(model), Box("abc", 0, 3));
}

TEST(AddressBoxModel, ClearHistoryEmptiesTheListAndKeepsTheText)
{
    AddressBoxModel model = modelWith({ "abc", "abd" }, { "a", 1, 0 });
    model.keyReleased(Key::Other);
    model.clearHistory();
    EXPECT_EQ(model.listIndex(), -1);
    model.setEdit(QStringLiteral("ab"), 2, 0);
    model.keyReleased(Key::Other); // nothing left to complete from
    EXPECT_EQ(box(model), Box("ab", 2, 0));
}

} // namespace
