// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "about/aboutwindow.h"
#include "app/framewindow.h"
#include "app/pageengineloader.h"
#include "browser/browserwindow.h"
#include "browser/downloadswindow.h"
#include "browser/webcontrol/deferredwebcontrol.h"
#include "browser/webcontrol/pageengine.h"
#include "favourites/favouriteswindow.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenuBar>
#include <QOpenGLWidget>
#include <algorithm>

namespace {
// Shows a single-instance window, or brings it forward when it is already open.
void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Menus and tool tips are windows too, but not ones the user keeps.
bool anyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *window) {
        return window->isVisible()
            && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
    });
}
} // namespace

Application::Application(const QString &applicationDirectory, PageEngine *engine)
    : m_applicationDirectory(applicationDirectory)
    , m_placement(applicationDirectory + QStringLiteral("webviewer.ini"))
    , m_loader(engine ? nullptr
                      : new PageEngineLoader(
                          PageEngineLoader::programModulePaths(),
                          [this](QWidget *parent, const QString &proposedPath) {
                              return m_dialogs.saveFile(
                                  parent, QStringLiteral("All Files (*)"), proposedPath);
                          },
                          this))
    , m_frame(std::make_unique<FrameWindow>(m_dialogs, *this))
    , m_downloads(std::make_unique<DownloadsWindow>(m_launcher))
{
    if (engine) {
        useEngine(engine);
        return;
    }
    connect(m_loader, &PageEngineLoader::loaded, this, &Application::useEngine);
    connect(m_loader, &PageEngineLoader::failed, this, [this](const QString &reason) {
        m_dialogs.error(m_frame.get(),
            tr("The web engine could not be started, so no page can be shown.\n%1").arg(reason));
    });
}

void Application::useEngine(PageEngine *engine)
{
    m_engine = engine;
    connect(engine, &PageEngine::downloadStarted, this, [this](Download *download) {
        m_downloads->add(download);
        showDownloads();
    });
    for (const QPointer<DeferredWebControl> &control : std::exchange(m_waitingControls, {})) {
        if (control)
            control->attach(engine->createControl());
    }
}

Application::~Application()
{
    // Windows go before the engine profile their pages belong to.
    for (const auto &pad : std::as_const(m_textPads))
        delete pad.data();
    delete m_favourites.data();
    m_about.reset();
    m_downloads.reset();
    m_frame.reset();
}

void Application::start(const StartRequest &request)
{
    if (request.kind == StartRequest::Kind::Pad) {
        openTextPadFiles(request.items);
        return;
    }
    showFirstBrowserWindow();
    QStringList addresses = request.items;
    const QString first = addresses.isEmpty() ? QString() : addresses.takeFirst();
    navigateAfterBlankPage(m_firstBrowserWindow, first, addresses.isEmpty());
    openInNewWindows(addresses);
}

void Application::open(const StartRequest &request)
{
    if (request.kind == StartRequest::Kind::Pad) {
        openTextPadFiles(request.items);
        return;
    }
    if (!m_firstBrowserWindow)
        start(request);
    else
        openInNewWindows(request.items.isEmpty() ? QStringList(QString()) : request.items);
    m_frame->setWindowState(m_frame->windowState() & ~Qt::WindowMinimized);
    bringToFront(m_frame.get());
}

void Application::openInNewWindows(const QStringList &addresses)
{
    for (int i = 0; i < addresses.size(); ++i)
        navigateAfterBlankPage(createBrowserWindow(), addresses.at(i), i == addresses.size() - 1);
}

// The window's load sequence has asked for the blank page; the address follows. A window whose
// engine is not there yet has loaded nothing, so the address simply takes the blank page's place;
// otherwise it waits for the blank page, so every window starts the same way. An empty address
// leaves the blank page.
void Application::navigateAfterBlankPage(BrowserWindow *window, const QString &address, bool last)
{
    showInFrame(window);
    WebControl *web = window->webControl();
    const auto loaded = [this, last] {
        if (last)
            emit pagesLoaded();
    };
    if (address.isEmpty() || !m_engine) {
        if (!address.isEmpty())
            web->navigate(address);
        connect(web, &WebControl::documentComplete, this, loaded, Qt::SingleShotConnection);
        return;
    }
    connect(
        web, &WebControl::documentComplete, this,
        [this, web, address, loaded] {
            connect(web, &WebControl::documentComplete, this, loaded, Qt::SingleShotConnection);
            web->navigate(address);
        },
        Qt::SingleShotConnection);
}

// Shows `window`, and the frame with it. The frame is placed around the first browser window it
// holds before it first shows, so it appears in its place at once; the engine's module loads once
// the frame has been drawn.
void Application::showInFrame(BrowserWindow *window)
{
    if (!m_frame->isVisible()) {
        placeFrame(window);
        // The shared OpenGL context is made before anything here asks Qt about OpenGL.
        if (m_loader)
            m_loader->waitForOpenGL();
        // Pages are drawn through OpenGL. A window gets its kind of surface when it is made, and
        // one that must change kind later is made afresh, which the user sees as a flash; so
        // this hidden widget gives the frame its OpenGL surface before the first page is there.
        (new QOpenGLWidget(m_frame.get()))->hide();
        m_frame->show();
        if (m_loader)
            m_loader->loadAfterFirstPaint(m_frame->windowHandle());
    }
    window->frameWidget()->show();
}

void Application::placeFrame(BrowserWindow *holding)
{
    const QWidget *subWindow = holding->frameWidget();
    const int border = 2 * m_frame->mdiArea()->frameWidth();
    const QSize needed
        = subWindow->sizeHint() + QSize(border, border + m_frame->menuBar()->sizeHint().height());
    m_placement.restore(m_frame.get(), needed);
}

void Application::saveFramePlacement() const
{
    if (m_frame->isVisible())
        m_placement.save(m_frame.get());
}

BrowserWindow *Application::createBrowserWindow()
{
    auto *window = new BrowserWindow(createWebControl(), m_dialogs, *this, m_applicationDirectory);
    m_frame->addBrowserWindow(window);
    return window;
}

WebControl *Application::createWebControl()
{
    if (m_engine)
        return m_engine->createControl();
    auto *control = new DeferredWebControl([this] { m_loader->load(); });
    m_waitingControls.append(control);
    return control;
}

QWidget *Application::openBrowserWindow(const QString &address)
{
    BrowserWindow *window = createBrowserWindow();
    showInFrame(window);
    if (!address.isEmpty())
        window->webControl()->navigate(address);
    return window;
}

WebControl *Application::openPageWindow(QWidget *opener, PageWindowPlace place)
{
    BrowserWindow *window = createBrowserWindow();
    m_frame->showPageWindow(window, opener, place);
    return window->webControl();
}

QWidget *Application::showFirstBrowserWindow(const QString &address)
{
    if (!m_firstBrowserWindow)
        m_firstBrowserWindow = createBrowserWindow();
    showInFrame(m_firstBrowserWindow);
    m_frame->activate(m_firstBrowserWindow);
    m_frame->raise();
    m_frame->activateWindow();
    if (!address.isEmpty())
        m_firstBrowserWindow->webControl()->navigate(address);
    return m_firstBrowserWindow;
}

QList<Workspace::WindowEntry> Application::browserWindows() const
{
    return m_frame->windowList();
}

void Application::activateBrowserWindow(QWidget *window)
{
    m_frame->activate(window);
}

void Application::arrangeBrowserWindows(Arrangement arrangement)
{
    m_frame->arrange(arrangement);
}

void Application::showFavourites(const QString &name, const QString &address)
{
    if (!m_favourites) {
        m_favourites = new FavouritesWindow(
            m_dialogs, *this, m_applicationDirectory + QStringLiteral("favourites.dat"));
    }
    m_favourites->fill(name, address);
    bringToFront(m_favourites);
}

void Application::showAbout()
{
    if (!m_about)
        m_about = std::make_unique<AboutWindow>(*this);
    bringToFront(m_about.get());
}

void Application::showDownloads()
{
    bringToFront(m_downloads.get());
}

int Application::runningDownloads() const
{
    return m_downloads->runningCount();
}

// A pad closes by hiding, which Qt does not count as a window closing, so the program would
// otherwise go on running with nothing on screen.
bool Application::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !anyWindowShown())
        emit lastWindowHidden();
    return QObject::eventFilter(watched, event);
}

TextPadWindow *Application::createTextPad()
{
    auto *pad = new TextPadWindow(m_dialogs, *this, m_launcher);
    m_textPads.append(pad);
    pad->installEventFilter(this);
    pad->show();
    return pad;
}

QWidget *Application::openTextPad(const QString &text)
{
    TextPadWindow *pad = createTextPad();
    pad->document()->setText(text);
    return pad;
}

// Each file in a pad of its own; with no file, one empty pad.
void Application::openTextPadFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        bringToFront(createTextPad());
    for (const QString &path : paths) {
        TextPadWindow *pad = createTextPad();
        bringToFront(pad);
        if (!pad->openFile(path))
            m_dialogs.error(pad, tr("%1 could not be opened.").arg(QDir::toNativeSeparators(path)));
    }
}
