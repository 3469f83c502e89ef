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
#include <QPointer>
#include <QStyle>
#include <optional>

namespace {
constexpr double clientWidthTwips = 8790;
constexpr double clientHeightTwips = 7095;
constexpr double leftTwips = 60;
constexpr double topTwips = 630;

// Where a window goes in a cascade over `area` after one at `previous`: a step down and to the
// right, or back in the top-left corner once less than half of `preferred` would fit there. It
// takes `preferred` at most, and never more than fits, so its title bar, close box and edges stay
// reachable.
QRect nextInCascade(
    const QSize &area, std::optional<QPoint> previous, const QSize &preferred, int step)
{
    QPoint position = previous ? *previous + QPoint(step, step) : QPoint(0, 0);
    if (area.width() - position.x() < preferred.width() / 2
        || area.height() - position.y() < preferred.height() / 2)
        position = QPoint(0, 0);
    return { position, preferred.boundedTo(area - QSize(position.x(), position.y())) };
}

int cascadeStep(const QWidget *subWindow)
{
    return subWindow->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, subWindow);
}
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
    // A window reaching beyond the area stays reachable by scrolling.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    createFileMenu();
    connect(m_area, &QMdiArea::subWindowActivated, this, &FrameWindow::onSubWindowActivated);
    updateMenuBar();
    placeDefaultGeometry();
}

void FrameWindow::placeDefaultGeometry()
{
    // The client area the windows get lies below the menu bar.
    const double dpi = logicalDpiX();
    setGeometry(Twips::toPixels(leftTwips, dpi), Twips::toPixels(topTwips, dpi),
        Twips::toPixels(clientWidthTwips, dpi),
        Twips::toPixels(clientHeightTwips, dpi) + menuBar()->sizeHint().height());
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
    const QList<QMdiSubWindow *> before = shownWindows();
    QMdiSubWindow *subWindow = m_area->addSubWindow(window);
    std::optional<QPoint> previous;
    if (!before.isEmpty())
        previous = before.last()->pos();
    // Before the frame is first shown its area has no size yet; the frame is then sized to hold
    // the window instead, so the window keeps its own size.
    const QSize area = m_area->isVisible() ? m_area->viewport()->size()
                                           : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    subWindow->setGeometry(
        nextInCascade(area, previous, subWindow->sizeHint(), cascadeStep(subWindow)));
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    subWindow->installEventFilter(this);
    connect(window, &BrowserWindow::menusChanged, this, &FrameWindow::updateMenuBar);
    connect(
        subWindow, &QObject::destroyed, this, &FrameWindow::updateMenuBar, Qt::QueuedConnection);
    return subWindow;
}

void FrameWindow::showPageWindow(
    BrowserWindow *window, QWidget *opener, Workspace::PageWindowPlace place)
{
    window->frameWidget()->show();
    if (place == Workspace::PageWindowPlace::Front)
        return;
    activate(opener);
    activateWindow();
    if (place == Workspace::PageWindowPlace::Hidden)
        window->blockAsPopup();
}

QList<QMdiSubWindow *> FrameWindow::shownWindows() const
{
    QList<QMdiSubWindow *> shown;
    for (QMdiSubWindow *subWindow : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!subWindow->isHidden())
            shown.append(subWindow);
    }
    return shown;
}

QList<Workspace::WindowEntry> FrameWindow::windowList() const
{
    QList<Workspace::WindowEntry> entries;
    for (QMdiSubWindow *subWindow : shownWindows()) {
        entries.append({ subWindow->widget(), subWindow->windowTitle(),
            subWindow == m_area->currentSubWindow() });
    }
    return entries;
}

void FrameWindow::activate(QWidget *window)
{
    for (QMdiSubWindow *subWindow : shownWindows()) {
        if (subWindow->widget() != window)
            continue;
        if (subWindow->isMinimized())
            subWindow->showNormal();
        m_area->setActiveSubWindow(subWindow);
    }
}

bool FrameWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *subWindow = qobject_cast<QMdiSubWindow *>(watched);
    if (subWindow && event->type() == QEvent::Hide && !event->spontaneous()
        && subWindow == m_area->currentSubWindow())
        activateNextAfter(subWindow);
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        updateMenuBar();
    return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::onSubWindowActivated(QMdiSubWindow *window)
{
    // A hidden window never keeps the activation, however it came by it (a page it loads may take
    // the focus): it is handed on once the area has finished activating it.
    if (window && window->isHidden()) {
        QMetaObject::invokeMethod(
            this,
            [this, window = QPointer<QMdiSubWindow>(window)] {
                if (window && window->isHidden() && window == m_area->currentSubWindow())
                    activateNextAfter(window);
            },
            Qt::QueuedConnection);
    }
    updateMenuBar();
}

void FrameWindow::activateNextAfter(QMdiSubWindow *hidden)
{
    // The next one in the window list's order takes over, so the window the user sees keeps its
    // menus and its own Exit.
    const QList<QMdiSubWindow *> all = m_area->subWindowList(QMdiArea::CreationOrder);
    const qsizetype start = all.indexOf(hidden);
    for (qsizetype step = 1; step < all.size(); ++step) {
        QMdiSubWindow *next = all.at((start + step) % all.size());
        if (!next->isHidden()) {
            m_area->setActiveSubWindow(next);
            return;
        }
    }
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
        cascade();
        break;
    case Workspace::Arrangement::TileHorizontally:
        tile(Qt::Vertical);
        break;
    case Workspace::Arrangement::TileVertically:
        tile(Qt::Horizontal);
        break;
    }
}

void FrameWindow::cascade()
{
    std::optional<QPoint> previous;
    // From the back of the pile to its front, so the window in front, the active one, stays there.
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isHidden() || window->isMinimized())
            continue;
        if (window->isMaximized())
            window->showNormal();
        window->setGeometry(nextInCascade(
            m_area->viewport()->size(), previous, window->sizeHint(), cascadeStep(window)));
        window->raise();
        previous = window->pos();
    }
}

void FrameWindow::tile(Qt::Orientation stacking)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : shownWindows()) {
        if (!window->isMinimized())
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
    QString question = QStringLiteral("Are you sure you want to close all windows?");
    if (const int running = m_workspace.runningDownloads()) {
        question += running == 1
            ? QStringLiteral("\n\n1 download in progress will be cancelled.")
            : QStringLiteral("\n\n%1 downloads in progress will be cancelled.").arg(running);
    }
    const auto answer = m_dialogs.message(this, question, QStringLiteral("Are you sure?"),
        Dialogs::Buttons::YesNo, Dialogs::Icon::None);
    event->ignore();
    if (answer == Dialogs::Answer::Yes)
        m_endProgram();
}
