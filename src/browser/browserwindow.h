// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/browsermenus.h"
#include "browser/webcontrol/webcontrol.h"

#include <QWidget>

class AddressBar;
struct BrowserLayout;
struct BrowserLayoutInput;
class Dialogs;
class NavigationToolbar;
class PageCommands;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTimer;
class QToolButton;
class ToolsToolbar;
class Workspace;

// One browser: a web control with its navigation and tools toolbars, address box, status bar and
// progress bar, and the window's menus (shown by the frame while this window is active).
class BrowserWindow : public QWidget
{
    Q_OBJECT

public:
    // Takes ownership of `web`. `applicationDirectory` ends in a separator; history.txt lives
    // there.
    BrowserWindow(WebControl *web, Dialogs &dialogs, Workspace &workspace,
        const QString &applicationDirectory, QWidget *parent = nullptr);
    ~BrowserWindow() override;

    WebControl *webControl() const { return m_web; }
    const BrowserMenus &menus() const { return m_menus; }
    bool isFullScreen() const;
    bool popupBlocking() const;

    // The window as the frame holds it: the frame's child window around it, when it has one.
    QWidget *frameWidget();

    // Signals this window, opened for a page, that it is a blocked pop-up: it hides itself.
    void blockAsPopup();

    // Runs the layout now (it also runs on resize, page complete and every watchdog tick).
    void layOut();

    // The size a browser window is created with.
    QSize sizeHint() const override;

signals:
    // The set of visible top-level menus changed (full screen hides them all).
    void menusChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createMenus();
    void createFileMenu();
    void createViewAndEditMenus();
    void createOptionsAndHistoryMenus();
    void createOtherMenus();
    void createControls(const QString &historyFilePath);
    void createStatusBar();
    void createOverlays();
    void connectWebControl();
    void connectPopupSignals();

    void showProgressView();
    void showAddressView();
    void keepPageBelowToolbars();

    void onNavigationButton(int index);
    void onStatusText(const QString &text);
    void onProgress(int progress, int progressMax);
    void onTitle(const QString &title);
    void onNavigationStarting();
    void onDocumentComplete();
    void onNewWindowRequested(WebControl::NewWindowRequest &request);
    void onWatchdogTick();
    void onPopupSignal(const QString &text);
    void onCloseSignal(const QString &text);

    void exit();
    void leaveFullScreen();
    BrowserLayoutInput dockBarsAndMeasure();
    void applyLayout(const BrowserLayout &layout);
    void applyMenuVisibility(bool visible);
    void setProgressBarBorder(bool border);
    void fillWindowList();
    void unload();

    WebControl *m_web;
    Dialogs &m_dialogs;
    Workspace &m_workspace;
    BrowserMenus m_menus;

    NavigationToolbar *m_tbar = nullptr;
    ToolsToolbar *m_tbar2 = nullptr;
    PageCommands *m_commands = nullptr;
    AddressBar *m_addressBar = nullptr;
    QStatusBar *m_sbar = nullptr;
    QLabel *m_statusPanel = nullptr;
    QProgressBar *m_probar = nullptr;
    QToolButton *m_command2 = nullptr; // leaves full screen
    QTimer *m_timer1 = nullptr; // the 2-second watchdog
    QLineEdit *m_text1 = nullptr; // close signal box, word "cl"
    QLineEdit *m_text3 = nullptr; // pop-up signal box, word "a"

    float m_progress = 0; // the progress bar's value, kept in single precision like the bar's
    int m_lastProgress = 0;
    bool m_blockedPopup = false; // hidden by the pop-up signal
};
