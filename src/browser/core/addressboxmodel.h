// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/historylist.h"

#include <QString>
#include <QStringList>
#include <optional>

// The "http://" rule: text with no ":" and at least one "." gets "http://" in front of it, unless
// it is a local path (it starts with "/" or "~/").
QString withHttpPrefix(const QString &text);

// The address box `text2` without its widget: the edit text with its selection, the history list
// under it and the selected list entry. The widget feeds it the user's edits and events and shows
// the state it leaves; navigations come back as return values for the widget to carry out.
class AddressBoxModel
{
public:
    // Untyped: a key that leaves the text as it was (Ctrl, an arrow), or any key released with
    // Ctrl or Alt held (Ctrl+A); completing then would undo what the key did to the selection.
    enum class ReleasedKey { Backspace, Enter, Other, Untyped };

    const QString &text() const { return m_text; }
    qsizetype selStart() const { return m_selStart; }
    qsizetype selLength() const { return m_selLength; }
    QString selText() const { return m_text.mid(m_selStart, m_selLength); }
    // The selected list entry, -1 when the text is not one the list put there.
    qsizetype listIndex() const { return m_listIndex; }

    const QStringList &history() const { return m_history.entries(); }
    void setHistory(QStringList entries);
    void appendToHistory(const QString &address);
    // Empties the list; the box keeps its text.
    void clearHistory();

    // What the user's typing left in the box. An edit away from the selected entry deselects it,
    // so retyping that entry's prefix completes again.
    void setEdit(const QString &text, qsizetype selStart, qsizetype selLength);
    // The program writes the text (a finished page's address); the caret goes to its end.
    void setText(const QString &text);

    // The "http://" rule, then completion (not after Backspace or an untyped key). True when the
    // key was Enter, which asks the caller to submit.
    bool keyReleased(ReleasedKey key);
    // The address to navigate to: the text without its selected range unless the whole text is
    // selected. The box then holds that address; adding it to the history is the caller's next
    // step.
    QString submitAddress();

    void listDroppedDown() { m_droppedDown = true; }
    // The list closed, whether or not a choice was made in it.
    void listClosed() { m_droppedDown = false; }
    // Entry `index` became the box's selection. Only a choice made in the dropped-down list
    // navigates; arrow keys in the closed box just change the text. A box already holding the
    // entry's text keeps its selection, so a completed tail stays selected.
    std::optional<QString> listEntryChosen(qsizetype index);

    // Selects the whole text when the caret is at its end; false when that rule did not apply.
    bool doubleClicked();

private:
    void applyHttpRule();
    void complete();
    void select(qsizetype start, qsizetype length);

    QString m_text;
    qsizetype m_selStart = 0;
    qsizetype m_selLength = 0;
    qsizetype m_listIndex = -1;
    HistoryList m_history;
    bool m_droppedDown = false;
};
