// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

// The menus of a browser window, built from the window's menu tables. The frame shows the visible
// top-level menus of the active browser window in its own menu bar; every action is also added to
// the window itself so that its shortcut works only while the keyboard focus is inside that window.
struct BrowserMenus
{
    // A top-level menu of `window`, not yet on any menu bar.
    static QMenu *addMenu(QWidget *window, const char *name, const QString &title);

    // The top-level menus in menu-bar order.
    QList<QMenu *> topLevel() const;
    // Every top-level menu the layout shows and hides (all of them but the History pop-up).
    QList<QMenu *> layoutMenus() const;

    QMenu *op1 = nullptr; // "&File"
    QAction *newer = nullptr;
    QAction *opener = nullptr;
    QAction *sav = nullptr;
    QAction *savi = nullptr;
    QAction *editm = nullptr;
    QAction *printerset = nullptr;
    QAction *printer = nullptr;
    QAction *printer2 = nullptr;
    QAction *proper = nullptr;
    QAction *wkoff = nullptr;
    QAction *exiter = nullptr;

    QMenu *op8 = nullptr; // "&View"
    QAction *fuller = nullptr;
    QAction *ss = nullptr;

    QMenu *editer = nullptr; // "&Edit": the command array mnuedit, its entries all named so

    QMenu *opt = nullptr; // "&Options"
    QAction *intpro = nullptr;
    QAction *opnewb = nullptr;
    QAction *downloads = nullptr; // the Downloads window

    QMenu *h = nullptr; // "History": hidden from the bar, used as a pop-up
    QAction *clearhist = nullptr;

    QMenu *win = nullptr; // "&Windows"
    QAction *cas = nullptr;
    QAction *ver = nullptr;
    QAction *hon = nullptr;

    QMenu *sel = nullptr; // "&Select": the frame's window list, filled when it opens

    QMenu *h1 = nullptr; // "&Help"
    QAction *abt = nullptr;
};
