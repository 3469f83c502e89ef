// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

// The menus of a browser window. The frame shows the visible top-level menus of the active browser
// window in its own menu bar; every action is also added to the window itself so that its shortcut
// works only while the keyboard focus is inside that window.
struct BrowserMenus
{
    explicit BrowserMenus(QWidget *window);

    // The top-level menus in menu-bar order.
    QList<QMenu *> topLevel() const;
    // Every top-level menu the layout shows and hides (all of them but the History pop-up).
    QList<QMenu *> layoutMenus() const;

    QMenu *op1; // "&File"
    QAction *newer;
    QAction *opener;
    QAction *sav;
    QAction *savi;
    QAction *editm;
    QAction *printerset;
    QAction *printer;
    QAction *printer2;
    QAction *proper;
    QAction *wkoff;
    QAction *exiter;

    QMenu *op8; // "&View"
    QAction *fuller;
    QAction *ss;

    QMenu *editer; // "&Edit": the command array mnuedit, by index (separators included)
    QList<QAction *> mnuedit;

    QMenu *opt; // "&Options"
    QAction *intpro;
    QAction *opnewb;

    QMenu *h; // "History": hidden from the bar, used as a pop-up
    QAction *clearhist;

    QMenu *win; // "&Windows"
    QAction *cas;
    QAction *ver;
    QAction *hon;

    QMenu *sel; // "&Select": the frame's window list, filled when it opens

    QMenu *h1; // "&Help"
    QAction *abt;
};
