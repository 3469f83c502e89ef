// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/wordcompletion.h"

#include "common/dialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/wordlistwindow.h"

#include <QAction>

WordCompletion::WordCompletion(
    QWidget *window, RichTextControl *tb, QAction *autoword, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_tb(tb)
    , m_autoword(autoword)
    , m_dialogs(dialogs)
{
    connect(tb, &RichTextControl::keyPress, this, &WordCompletion::keyTyped);
}

bool WordCompletion::wordListPresent() const
{
    return m_wordList && m_wordList->hasWordList();
}

void WordCompletion::toggle()
{
    if (!wordListPresent()) {
        m_dialogs.error(m_window, QStringLiteral("No Wordlist Found!"));
    } else {
        m_on = !m_on;
        if (m_on)
            m_wordList->showWithFocusOnEntry();
    }
    // Triggering a checkable entry flips its mark; only the rules above decide it.
    m_autoword->setChecked(m_on);
}

void WordCompletion::keyTyped(QChar typed)
{
    if (!m_on || !wordListPresent())
        return;
    m_wordList->clearEntry();
    if (typed == u' ' || typed == u'\r')
        m_wordList->showWithFocusOnEntry();
}

void WordCompletion::insertWord()
{
    if (m_wordList)
        m_tb->setSelText(m_wordList->chosenWord());
}
