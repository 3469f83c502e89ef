// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QMainWindow;
class QMenu;

// The pad's menu tree, built from the window's menu tables. Every entry carries its short name as
// objectName; `po` is the context menu, kept off the menu bar, and "&Tool" (`toa`) is hidden with
// its word completion entry.
struct PadMenus
{
    // A top-level menu on the window's menu bar, named `name` as its menu-bar entry is.
    static QMenu *addMenu(QMainWindow *window, const char *name, const QString &caption);

    QMenu *ext = nullptr; // "&File"
    QAction *newer = nullptr;
    QAction *op = nullptr;
    QAction *sav = nullptr;
    QAction *sav2 = nullptr;
    QAction *pri = nullptr;
    QAction *bye = nullptr;
    QAction *u2 = nullptr; // "&Edit" on the menu bar: opens `po` as a pop-up
    QMenu *po = nullptr;
    QAction *selall = nullptr;
    QAction *op55 = nullptr;
    QAction *cop = nullptr;
    QAction *cu = nullptr;
    QAction *pas = nullptr;
    QAction *op66 = nullptr;
    QAction *brows = nullptr;
    QAction *sear = nullptr;
    QAction *op77 = nullptr;
    QAction *clclip = nullptr;
    QAction *op88 = nullptr;
    QAction *findrep = nullptr; // the find and replace bar
    QAction *findNext = nullptr; // F3, in no menu
    QAction *findPrevious = nullptr; // Shift+F3, in no menu
    QMenu *u4 = nullptr; // "&Insert"
    QAction *td = nullptr;
    QAction *bul = nullptr;
    QMenu *u1 = nullptr; // "&Format"
    QAction *fp = nullptr;
    QMenu *toa = nullptr; // "&Tool"
    QAction *autoword = nullptr;
    QAction *scical = nullptr;
};
