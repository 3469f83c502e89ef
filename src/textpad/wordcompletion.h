// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Dialogs;
class QAction;
class QWidget;
class RichTextControl;
class WordListWindow;

// The pad's side of word completion: the "&Auto Complete Word" toggle, the hook on typed keys and
// the insertion of the chosen word. Without a word-list window the toggle reports that no word list
// was found and the hook stays idle.
class WordCompletion : public QObject
{
    Q_OBJECT
public:
    WordCompletion(
        QWidget *window, RichTextControl *tb, QAction *autoword, Dialogs &dialogs, QObject *parent);

    void setWordListWindow(WordListWindow *wordList) { m_wordList = wordList; }

    void toggle();
    void keyTyped(QChar typed);
    void insertWord();

private:
    bool wordListPresent() const;

    QWidget *m_window;
    RichTextControl *m_tb;
    QAction *m_autoword;
    Dialogs &m_dialogs;
    WordListWindow *m_wordList = nullptr;
    bool m_on = false; // the check mark, which only toggle() changes
};
