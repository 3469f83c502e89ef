// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/findreplace.h"

#include "common/findpanel.h"
#include "textpad/richtext/richtextcontrol.h"

#include <QTextCursor>

using textpad::SearchDirection;

FindReplace::FindReplace(RichTextControl *tb, FindPanel *panel, QObject *parent)
    : QObject(parent)
    , m_tb(tb)
    , m_panel(panel)
{
    // Typing extends the search from where the current match starts.
    connect(panel, &FindPanel::criteriaChanged, this,
        [this] { search(SearchDirection::Forward, m_tb->textCursor().selectionStart()); });
    connect(panel, &FindPanel::findNext, this, [this] { find(SearchDirection::Forward); });
    connect(panel, &FindPanel::findPrevious, this, [this] { find(SearchDirection::Backward); });
    connect(panel, &FindPanel::replace, this, &FindReplace::replace);
    connect(panel, &FindPanel::replaceAll, this, &FindReplace::replaceAll);
    connect(panel, &FindPanel::dismissed, this, &FindReplace::dismiss);
}

textpad::SearchOptions FindReplace::options() const
{
    return { m_panel->matchCase(), m_panel->wholeWords(), m_panel->wrap() };
}

void FindReplace::open()
{
    m_panel->setStatus({});
    m_panel->open();
}

void FindReplace::dismiss()
{
    m_panel->hide();
    m_tb->setFocus(Qt::OtherFocusReason);
}

void FindReplace::find(SearchDirection direction)
{
    if (m_panel->text().isEmpty()) {
        open();
        return;
    }
    const QTextCursor cursor = m_tb->textCursor();
    search(direction,
        direction == SearchDirection::Forward ? cursor.selectionEnd() : cursor.selectionStart());
}

void FindReplace::search(SearchDirection direction, int from)
{
    const QString needle = m_panel->text();
    if (needle.isEmpty()) {
        m_panel->setStatus({});
        return;
    }
    const textpad::SearchHit hit
        = textpad::findText(m_tb->document()->toRawText(), needle, from, direction, options());
    m_panel->setStatus(textpad::searchNote(hit, direction));
    if (hit.start < 0)
        return;
    QTextCursor cursor = m_tb->textCursor();
    cursor.setPosition(int(hit.start));
    cursor.setPosition(int(hit.start + needle.size()), QTextCursor::KeepAnchor);
    m_tb->setTextCursor(cursor);
}

void FindReplace::replace()
{
    QTextCursor cursor = m_tb->textCursor();
    if (textpad::isMatch(cursor.selectedText(), m_panel->text(), options())) {
        cursor.insertText(m_panel->replacement());
        m_tb->setTextCursor(cursor);
    }
    find(SearchDirection::Forward);
}

void FindReplace::replaceAll()
{
    const QString needle = m_panel->text();
    const QList<qsizetype> starts
        = textpad::findAll(m_tb->document()->toRawText(), needle, options());
    const QString replacement = m_panel->replacement();
    QTextCursor cursor(m_tb->document());
    cursor.beginEditBlock();
    // From the last match back, so the places still to come do not move.
    for (auto at = starts.crbegin(); at != starts.crend(); ++at) {
        cursor.setPosition(int(*at));
        cursor.setPosition(int(*at + needle.size()), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
    }
    cursor.endEditBlock();
    m_panel->setStatus(textpad::replacedNote(starts.size()));
}
