// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QToolBar>

class Dialogs;
class QMenu;
class SearchBox;
class WebControl;
class Workspace;

// The tools toolbar tbar2 of a browser window: ten entries numbered from 1 (1-3 blank places under
// the search box, 8 and 10 separators) and the search box searchbar laid over the blank places.
// It searches the web in the window's control, opens the shared favourites window on the current
// page, pops up the History menu and holds the window's pop-up blocking switch.
class ToolsToolbar : public QToolBar
{
    Q_OBJECT

public:
    enum Index { SearchEngine = 4, Find = 5, Favourites = 6, History = 7, AntiPopups = 9 };
    static constexpr int buttonCount = 10;

    // `historyMenu` is the window's History menu h; it is only popped up, never owned.
    ToolsToolbar(WebControl *web, Dialogs &dialogs, Workspace &workspace, QMenu *historyMenu,
        QWidget *parent = nullptr);

    // The entry at a 1-based index (a separator's action for 8 and 10), or null.
    QAction *entry(int index) const;
    SearchBox *searchBox() const { return m_searchBox; }

    // Pop-up blocking of this window: off when the window opens, switched by "Anti-Popups".
    bool popupBlocking() const;

private:
    void addEntries();
    void placeSearchBox();
    void search();
    void showFavourites();
    void showHistoryMenu();

    QPointer<WebControl> m_web;
    Dialogs &m_dialogs;
    Workspace &m_workspace;
    QPointer<QMenu> m_historyMenu;
    QList<QAction *> m_entries;
    SearchBox *m_searchBox;
};
