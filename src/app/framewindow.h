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
class Workspace;

// The frame mdi: holds every browser window, shows the active one's menus in its menu bar (or its
// own File menu when no browser window shows menus), and ends the program after a confirmation.
class FrameWindow : public QMainWindow
{
    Q_OBJECT

public:
    FrameWindow(Dialogs &dialogs, Workspace &workspace, QWidget *parent = nullptr);
    ~FrameWindow() override;

    QMdiArea *mdiArea() const { return m_area; }
    QMdiSubWindow *addBrowserWindow(BrowserWindow *window);

    // 0 cascade, 1 full-width strips stacked top to bottom, 2 full-height columns side by side.
    void arrange(Workspace::Arrangement arrangement);

    // What ending the program does; tests replace it.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createFileMenu();
    void updateMenuBar();
    BrowserWindow *menuOwner() const;
    void tile(Qt::Orientation stacking);

    Dialogs &m_dialogs;
    Workspace &m_workspace;
    QMdiArea *m_area;
    QMenu *m_fileMenu = nullptr; // f: "&New Window", "&Exit"
    QAction *m_newWindow = nullptr;
    std::function<void()> m_endProgram;
};
