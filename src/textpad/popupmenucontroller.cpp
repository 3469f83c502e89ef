// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/popupmenucontroller.h"

#include "textpad/core/popupvisibility.h"
#include "textpad/padmenus.h"
#include "textpad/richtext/richtextcontrol.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

PopupMenuController::PopupMenuController(
    PadMenus &menus, RichTextControl *tb, RichTextControl *tbtemp2, QObject *parent)
    : QObject(parent)
    , m_menus(menus)
    , m_tb(tb)
    , m_tbtemp2(tbtemp2)
    , m_presenter([](QMenu *menu) { menu->exec(QCursor::pos()); })
{
}

// The clipboard's plain text as the scratch control reads it back: empty exactly when the
// clipboard holds no text.
QString PopupMenuController::clipboardText()
{
    m_tbtemp2->setText(QGuiApplication::clipboard()->text());
    const QString text = m_tbtemp2->text();
    m_tbtemp2->setText(QString());
    return text;
}

void PopupMenuController::popUp()
{
    m_menus.po->setEnabled(true);
    const textpad::PopupVisibility v
        = textpad::popupVisibility(m_tb->selText(), m_tb->text(), clipboardText());
    const std::pair<QAction *, bool> entries[] = {
        { m_menus.selall, v.selall },
        { m_menus.op55, v.op55 },
        { m_menus.cop, v.cop },
        { m_menus.cu, v.cu },
        { m_menus.pas, v.pas },
        { m_menus.op66, v.op66 },
        { m_menus.brows, v.brows },
        { m_menus.sear, v.sear },
        { m_menus.op77, v.op77 },
        { m_menus.clclip, v.clclip },
        // Searching needs a document to search in.
        { m_menus.op88, !m_tb->document()->isEmpty() },
        { m_menus.findrep, !m_tb->document()->isEmpty() },
    };
    for (const auto &[action, visible] : entries)
        action->setVisible(visible);
    if (!v.anyVisible()) {
        // The menu layer will not show a menu without entries.
        m_menus.po->setEnabled(false);
    } else {
        m_presenter(m_menus.po);
    }
    // A hidden entry loses its shortcut as well: once the menu is closed, the entries with
    // shortcuts are shown again so that the keys work whatever the last menu left out.
    for (QAction *action : { m_menus.cop, m_menus.pas, m_menus.findrep })
        action->setVisible(true);
}
