// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/workspace.h"

#include <QMainWindow>
#include <functional>

class BrowserWindow;
class Dialogs;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The frame mdi: holds every browser window, shows the active one's menus in its menu bar (or its
// own File menu when no browser window shows menus), and ends the program after a confirmation.
class FrameWindow : public QMainWindow
{
    Q_OBJECT

public:
    FrameWindow(Dialogs &dialogs, Workspace &workspace, QWidget *parent = nullptr);
    ~FrameWindow() override;

    QMdiArea *mdiArea() const { return m_area; }

    // Takes `window` in, placed one step on from the last window (not shown yet).
    QMdiSubWindow *addBrowserWindow(BrowserWindow *window);

    // Shows `window`, added for a page of `opener`, as `place` says.
    void showPageWindow(BrowserWindow *window, QWidget *opener, Workspace::PageWindowPlace place);

    // The browser windows that are not hidden, in the order they were added.
    QList<Workspace::WindowEntry> windowList() const;
    // Makes the browser window `window` active; a hidden or unknown one is left alone.
    void activate(QWidget *window);

    // 0 cascade, 1 full-width strips stacked top to bottom, 2 full-height columns side by side.
    void arrange(Workspace::Arrangement arrangement);

    // What ending the program does; tests replace it.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createFileMenu();
    void placeDefaultGeometry();
    void updateMenuBar();
    void onSubWindowActivated(QMdiSubWindow *window);
    void activateNextAfter(QMdiSubWindow *hidden);
    BrowserWindow *menuOwner() const;
    QList<QMdiSubWindow *> shownWindows() const;
    void cascade();
    void tile(Qt::Orientation stacking);

    Dialogs &m_dialogs;
    Workspace &m_workspace;
    QMdiArea *m_area;
    QMenu *m_fileMenu = nullptr; // f: "&New Window", "&Exit"
    QAction *m_newWindow = nullptr;
    std::function<void()> m_endProgram;
};
