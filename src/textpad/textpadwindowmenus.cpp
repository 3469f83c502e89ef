// SPDX-License-Identifier: GPL-3.0-or-later
// The pad's menus, one table per menu. The handlers look their helpers up when they run, so the
// menus can be built before the helpers that hold on to some of their entries.
#include "common/menutable.h"
#include "textpad/documentcontroller.h"
#include "textpad/editcommands.h"
#include "textpad/findreplace.h"
#include "textpad/fontproperties.h"
#include "textpad/padmenus.h"
#include "textpad/popupmenucontroller.h"
#include "textpad/textpadwindow.h"
#include "textpad/wordcompletion.h"

#include <QMenu>
#include <QMenuBar>

void TextPadWindow::createMenus()
{
    createFileMenu();
    createEditMenu();
    createInsertFormatAndToolMenus();
}

void TextPadWindow::createFileMenu()
{
    PadMenus &m = *m_menus;
    m.ext = PadMenus::addMenu(this, "ext", QStringLiteral("&File"));
    addMenuRows(m.ext,
        {
            { "newer", "&New", Qt::CTRL | Qt::Key_N,
                [this] { m_documentController->newDocument(); }, &m.newer },
            { "ex1", "-" },
            { "op", "&Open", Qt::CTRL | Qt::Key_O, [this] { m_documentController->open(); },
                &m.op },
            { "sav", "&Save", Qt::CTRL | Qt::Key_S, [this] { m_documentController->save(); },
                &m.sav },
            { "sav2", "Save &As", Qt::CTRL | Qt::SHIFT | Qt::Key_S,
                [this] { m_documentController->saveAs(); }, &m.sav2 },
            { "ex3", "-" },
            { "pri", "P&rint", {}, [this] { m_documentController->print(); }, &m.pri },
            { "hh", "-" },
            { "bye", "&Exit", {}, [this] { m_documentController->exit(); }, &m.bye },
        });
}

void TextPadWindow::createEditMenu()
{
    PadMenus &m = *m_menus;
    m.u2 = menuBar()->addAction(QStringLiteral("&Edit"));
    m.u2->setObjectName(QStringLiteral("u2"));
    connect(m.u2, &QAction::triggered, this, [this] { m_popup->popUp(); });

    m.po = PadMenus::addMenu(this, "po", QStringLiteral("&Edit"));
    m.po->menuAction()->setVisible(false);
    addMenuRows(m.po,
        {
            { "selall", "&Select All", {}, [this] { m_commands->selectAll(); }, &m.selall },
            { "op55", "-", {}, {}, &m.op55 },
            { "cop", "&Copy", Qt::CTRL | Qt::Key_C, [this] { m_commands->copy(); }, &m.cop },
            { "cu", "&Cut", {}, [this] { m_commands->cut(); }, &m.cu },
            { "pas", "&Paste", Qt::CTRL | Qt::Key_P, [this] { m_commands->paste(); }, &m.pas },
            { "op66", "-", {}, {}, &m.op66 },
            { "brows", "&Browse This URL", {}, [this] { m_commands->browse(); }, &m.brows },
            { "sear", "S&earch This Phrase", {}, {}, &m.sear },
            { "op77", "-", {}, {}, &m.op77 },
            { "clclip", "&Clear Clipboard", {}, [this] { m_commands->clearClipboard(); },
                &m.clclip },
            { "op88", "-", {}, {}, &m.op88 },
            { "findrep", "&Find and Replace...", Qt::CTRL | Qt::Key_H,
                [this] { m_findReplace->open(); }, &m.findrep },
        });
    // The pop-up's shortcuts work while it is closed because the window holds them too.
    addActions({ m.cop, m.pas, m.findrep });
    // F3 and Shift+F3 belong to no menu: the find bar's Next and Previous from the document.
    m.findNext = addAction(QString(), QKeySequence(Qt::Key_F3), this,
        [this] { m_findReplace->find(textpad::SearchDirection::Forward); });
    m.findNext->setObjectName(QStringLiteral("findNextMatch"));
    m.findPrevious = addAction(QString(), QKeySequence(Qt::SHIFT | Qt::Key_F3), this,
        [this] { m_findReplace->find(textpad::SearchDirection::Backward); });
    m.findPrevious->setObjectName(QStringLiteral("findPreviousMatch"));
}

void TextPadWindow::createInsertFormatAndToolMenus()
{
    PadMenus &m = *m_menus;
    m.u4 = PadMenus::addMenu(this, "u4", QStringLiteral("&Insert"));
    addMenuRows(m.u4,
        {
            { "td", "Time/Date", {}, [this] { m_commands->insertDateTime(); }, &m.td },
            { "bul", "&Bulltets", {}, [this] { m_commands->toggleBullets(); }, &m.bul,
                MenuRow::Checkable },
        });

    m.u1 = PadMenus::addMenu(this, "u1", QStringLiteral("&Format"));
    addMenuRows(m.u1,
        { { "fp", "Font &Properties", Qt::CTRL | Qt::Key_F, [this] { m_fontProperties->run(); },
            &m.fp } });

    m.toa = PadMenus::addMenu(this, "toa", QStringLiteral("&Tool"));
    m.toa->menuAction()->setVisible(false);
    addMenuRows(m.toa,
        {
            { "autoword", "&Auto Complete Word", {}, [this] { m_wordCompletion->toggle(); },
                &m.autoword, MenuRow::Checkable | MenuRow::Hidden },
            { "scical", "&Scientific Calculator", {}, {}, &m.scical },
        });
}
