// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;

// The pad's menu tree. Every entry carries its short name as objectName; `po` is the context menu,
// kept off the menu bar, and "&Tool" (`toa`) is hidden with its word completion entry.
struct PadMenus
{
    explicit PadMenus(QMainWindow *window);

    QMenu *ext; // "&File"
    QAction *newer;
    QAction *op;
    QAction *sav;
    QAction *sav2;
    QAction *pri;
    QAction *bye;
    QAction *u2; // "&Edit" on the menu bar: opens `po` as a pop-up
    QMenu *po;
    QAction *selall;
    QAction *op55;
    QAction *cop;
    QAction *cu;
    QAction *pas;
    QAction *op66;
    QAction *brows;
    QAction *sear;
    QAction *op77;
    QAction *clclip;
    QMenu *u4; // "&Insert"
    QAction *td;
    QAction *bul;
    QMenu *u1; // "&Format"
    QAction *fp;
    QMenu *toa; // "&Tool"
    QAction *autoword;
    QAction *scical;
};
