// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framewindow.h"

#include "browser/browserwindow.h"
#include "common/core/twips.h"
#include "common/dialogs.h"
#include "common/workspace.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
constexpr double clientWidthTwips = 8790;
constexpr double clientHeightTwips = 7095;
constexpr double leftTwips = 60;
constexpr double topTwips = 630;
} // namespace

FrameWindow::FrameWindow(Dialogs &dialogs, Workspace &workspace, QWidget *parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_workspace(workspace)
    , m_area(new QMdiArea(this))
    , m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("mdi"));
    setWindowTitle(QStringLiteral("Web Viewer"));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_area);
    createFileMenu();
    connect(m_area, &QMdiArea::subWindowActivated, this, &FrameWindow::updateMenuBar);

    const double dpi = logicalDpiX();
    setGeometry(Twips::toPixels(leftTwips, dpi), Twips::toPixels(topTwips, dpi),
        Twips::toPixels(clientWidthTwips, dpi), Twips::toPixels(clientHeightTwips, dpi));
    updateMenuBar();
}

FrameWindow::~FrameWindow()
{
    // The area and its windows outlive this part of the frame while QWidget tears them down; they
    // must not call back into it.
    m_area->disconnect(this);
    for (QMdiSubWindow *subWindow : m_area->subWindowList()) {
        subWindow->removeEventFilter(this);
        subWindow->disconnect(this);
        if (QWidget *window = subWindow->widget())
            window->disconnect(this);
    }
}

void FrameWindow::createFileMenu()
{
    m_fileMenu = new QMenu(QStringLiteral("&File"), this);
    m_fileMenu->setObjectName(QStringLiteral("f"));
    m_newWindow = m_fileMenu->addAction(QStringLiteral("&New Window"));
    m_newWindow->setObjectName(QStringLiteral("win"));
    m_newWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(m_newWindow);
    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("a"));
    QAction *exit = m_fileMenu->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("e"));
    connect(m_newWindow, &QAction::triggered, this, [this] { m_workspace.openBrowserWindow(); });
    connect(exit, &QAction::triggered, this, [this] { m_endProgram(); });
}

QMdiSubWindow *FrameWindow::addBrowserWindow(BrowserWindow *window)
{
    QMdiSubWindow *subWindow = m_area->addSubWindow(window);
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    subWindow->installEventFilter(this);
    connect(window, &BrowserWindow::menusChanged, this, &FrameWindow::updateMenuBar);
    connect(
        subWindow, &QObject::destroyed, this, &FrameWindow::updateMenuBar, Qt::QueuedConnection);
    return subWindow;
}

bool FrameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        updateMenuBar();
    return QMainWindow::eventFilter(watched, event);
}

BrowserWindow *FrameWindow::menuOwner() const
{
    QMdiSubWindow *active = m_area->activeSubWindow();
    if (!active || !active->isVisible())
        return nullptr;
    auto *window = qobject_cast<BrowserWindow *>(active->widget());
    if (!window || window->isFullScreen())
        return nullptr;
    return window;
}

void FrameWindow::updateMenuBar()
{
    // Only one set of shortcuts may be live: the frame's Ctrl+T goes quiet while a browser window's
    // menus, which carry their own Ctrl+T, are in the bar.
    BrowserWindow *owner = menuOwner();
    menuBar()->clear();
    if (owner) {
        for (QMenu *menu : owner->menus().topLevel())
            menuBar()->addAction(menu->menuAction());
    } else {
        menuBar()->addAction(m_fileMenu->menuAction());
    }
    m_newWindow->setEnabled(owner == nullptr);
}

void FrameWindow::arrange(Workspace::Arrangement arrangement)
{
    switch (arrangement) {
    case Workspace::Arrangement::Cascade:
        m_area->cascadeSubWindows();
        break;
    case Workspace::Arrangement::TileHorizontally:
        tile(Qt::Vertical);
        break;
    case Workspace::Arrangement::TileVertically:
        tile(Qt::Horizontal);
        break;
    }
}

void FrameWindow::tile(Qt::Orientation stacking)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        if (stacking == Qt::Vertical) {
            const int top = area.height() * i / count;
            const int bottom = area.height() * (i + 1) / count;
            window->setGeometry(0, top, area.width(), bottom - top);
        } else {
            const int left = area.width() * i / count;
            const int right = area.width() * (i + 1) / count;
            window->setGeometry(left, 0, right - left, area.height());
        }
    }
}

void FrameWindow::closeEvent(QCloseEvent *event)
{
    const auto answer
        = m_dialogs.message(this, QStringLiteral("Are you sure you want to close all windows?"),
            QStringLiteral("Are you sure?"), Dialogs::Buttons::YesNo, Dialogs::Icon::None);
    event->ignore();
    if (answer == Dialogs::Answer::Yes)
        m_endProgram();
}
