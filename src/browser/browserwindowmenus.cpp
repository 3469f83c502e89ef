// SPDX-License-Identifier: GPL-3.0-or-later
// The browser window's menus, one table per menu. The handlers look their helpers up when they
// run, so the menus can be built before the controls they act on.
#include "browser/addressbar.h"
#include "browser/browserwindow.h"
#include "browser/pagecommands.h"
#include "common/menutable.h"
#include "common/workspace.h"

#include <QMenu>

void BrowserWindow::createMenus()
{
    createFileMenu();
    createViewAndEditMenus();
    createOptionsAndHistoryMenus();
    createOtherMenus();
}

void BrowserWindow::createFileMenu()
{
    BrowserMenus &m = m_menus;
    m.op1 = BrowserMenus::addMenu(this, "op1", QStringLiteral("&File"));
    addMenuRows(m.op1,
        {
            { "newer", "&New", Qt::CTRL | Qt::Key_T, [this] { m_workspace.openBrowserWindow(); },
                &m.newer },
            { "", "-" },
            { "opener", "&Open", Qt::CTRL | Qt::Key_O, [this] { m_commands->open(); }, &m.opener },
            { "sav", "&Save", Qt::CTRL | Qt::Key_I, [this] { m_commands->save(); }, &m.sav },
            { "savi", "&Save with image", Qt::CTRL | Qt::Key_W,
                [this] { m_commands->saveWithImages(); }, &m.savi },
            { "", "-" },
            { "editm", "&Edit Mode", {},
                [this] { m_web->setDesignMode(m_menus.editm->isChecked()); }, &m.editm,
                MenuRow::Checkable },
            { "", "-" },
            { "printerset", "Print &Setup", {}, [this] { m_commands->printSetup(); },
                &m.printerset },
            { "printer", "&Print", Qt::CTRL | Qt::Key_P, [this] { m_commands->print(); },
                &m.printer },
            { "", "-" },
            { "printer2", "&Print source code", {}, {}, &m.printer2, MenuRow::Hidden },
            { "", "-", {}, {}, nullptr, MenuRow::Hidden },
            { "proper", "&Properties", {}, [this] { m_commands->showProperties(); }, &m.proper },
            { "wkoff", "&Work Offline", {},
                [this] { m_web->setOffline(m_menus.wkoff->isChecked()); }, &m.wkoff,
                MenuRow::Checkable },
            { "exiter", "&Exit", Qt::CTRL | Qt::Key_Q, [this] { exit(); }, &m.exiter },
        },
        this);
}

void BrowserWindow::createViewAndEditMenus()
{
    BrowserMenus &m = m_menus;
    m.op8 = BrowserMenus::addMenu(this, "op8", QStringLiteral("&View"));
    addMenuRows(m.op8,
        {
            // The entry's own toggle has already moved the check mark the layout reads.
            { "fuller", "&Full Screen", Qt::Key_F11, [this] { layOut(); }, &m.fuller,
                MenuRow::Checkable },
            { "ss", "Source &Code", {}, [this] { m_commands->viewSource(); }, &m.ss },
        },
        this);

    const auto run = [this](WebControl::Command command) {
        return [this, command] { m_web->execute(command); };
    };
    m.editer = BrowserMenus::addMenu(this, "editer", QStringLiteral("&Edit"));
    addMenuRows(m.editer,
        {
            { "mnuedit", "Undo", Qt::CTRL | Qt::Key_Z, run(WebControl::Command::Undo) },
            { "mnuedit", "Redo", {}, run(WebControl::Command::Redo) },
            { "", "-" },
            { "mnuedit", "Cut", Qt::CTRL | Qt::Key_X, run(WebControl::Command::Cut) },
            { "mnuedit", "Copy", Qt::CTRL | Qt::Key_C, run(WebControl::Command::Copy) },
            { "mnuedit", "Paste", Qt::CTRL | Qt::Key_V, run(WebControl::Command::Paste) },
            { "mnuedit", "Delete", Qt::Key_Delete, run(WebControl::Command::Delete) },
            { "", "-" },
            { "mnuedit", "Select All", Qt::CTRL | Qt::Key_A, run(WebControl::Command::SelectAll) },
            { "", "-" },
            { "mnuedit", "Search", {}, [this] { m_commands->search(); } },
        },
        this);
}

void BrowserWindow::createOptionsAndHistoryMenus()
{
    BrowserMenus &m = m_menus;
    m.opt = BrowserMenus::addMenu(this, "opt", QStringLiteral("&Options"));
    addMenuRows(m.opt,
        {
            { "intpro", "&Internet Properties", {},
                [this] { m_commands->showInternetProperties(); }, &m.intpro },
            { "", "-" },
            { "opnewb", "&Open new windows in background", {}, {}, &m.opnewb, MenuRow::Checkable },
            { "downloads", "&Downloads", Qt::CTRL | Qt::Key_J,
                [this] { m_workspace.showDownloads(); }, &m.downloads },
        },
        this);

    m.h = BrowserMenus::addMenu(this, "h", QStringLiteral("History"));
    addMenuRows(m.h,
        { { "clearhist", "Clear All History", {}, [this] { m_addressBar->clearAllHistory(); },
            &m.clearhist } },
        this);
}

void BrowserWindow::createOtherMenus()
{
    BrowserMenus &m = m_menus;
    const auto arrange = [this](Workspace::Arrangement how) {
        return [this, how] { m_workspace.arrangeBrowserWindows(how); };
    };
    m.win = BrowserMenus::addMenu(this, "win", QStringLiteral("&Windows"));
    addMenuRows(m.win,
        {
            { "cas", "&Cascade Windows", {}, arrange(Workspace::Arrangement::Cascade), &m.cas },
            { "ver", "&Tile Vertical", {}, arrange(Workspace::Arrangement::TileVertically),
                &m.ver },
            { "hon", "&Tile Horizontal", {}, arrange(Workspace::Arrangement::TileHorizontally),
                &m.hon },
        },
        this);

    m.sel = BrowserMenus::addMenu(this, "sel", QStringLiteral("&Select"));
    connect(m.sel, &QMenu::aboutToShow, this, &BrowserWindow::fillWindowList);

    m.h1 = BrowserMenus::addMenu(this, "h1", QStringLiteral("&Help"));
    addMenuRows(
        m.h1, { { "abt", "&About", {}, [this] { m_workspace.showAbout(); }, &m.abt } }, this);
}
