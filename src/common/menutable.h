// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <functional>
#include <initializer_list>

class QAction;
class QMenu;
class QWidget;

// One entry of a menu, as a row of the table the menu is built from.
struct MenuRow
{
    enum Flag { Checkable = 1, Hidden = 2 };

    const char *name; // objectName
    const char *caption; // "-" makes a separator line
    QKeySequence shortcut = {};
    std::function<void()> handler = {}; // run on `triggered`, after a check mark has moved
    QAction **entry = nullptr; // where the built entry is kept, for code that reads it later
    int flags = 0;
};

// Adds the rows to `menu` in order. With a `shortcutScope`, every entry is added to that widget
// as well, so that its shortcut works only while the keyboard focus is inside it.
void addMenuRows(
    QMenu *menu, std::initializer_list<MenuRow> rows, QWidget *shortcutScope = nullptr);
