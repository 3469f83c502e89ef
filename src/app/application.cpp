// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "about/aboutwindow.h"
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "browser/webcontrol/qtwebengine/applicationprofile.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "favourites/favouriteswindow.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
// Shows a single-instance window, or brings it forward when it is already open.
void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

Application::Application(const QString &applicationDirectory, QWebEngineProfile *profile)
    : m_applicationDirectory(applicationDirectory)
    , m_profile(profile ? profile : createApplicationProfile(this))
    , m_frame(std::make_unique<FrameWindow>(m_dialogs, *this))
{
}

Application::~Application()
{
    // Windows go before the engine profile their pages belong to.
    for (const auto &pad : std::as_const(m_textPads))
        delete pad.data();
    delete m_favourites.data();
    m_about.reset();
    m_frame.reset();
}

void Application::start()
{
    m_frame->show();
    showFirstBrowserWindow();
    connect(m_firstBrowserWindow->webControl(), &WebControl::documentComplete, this,
        &Application::firstPageLoaded, Qt::SingleShotConnection);
}

BrowserWindow *Application::createBrowserWindow()
{
    auto *web = new WebEngineControl(m_profile);
    auto *window = new BrowserWindow(web, m_dialogs, *this, m_applicationDirectory);
    m_frame->addBrowserWindow(window);
    return window;
}

QWidget *Application::openBrowserWindow(const QString &address)
{
    BrowserWindow *window = createBrowserWindow();
    window->frameWidget()->show();
    if (!address.isEmpty())
        window->webControl()->navigate(address);
    return window;
}

QWidget *Application::showFirstBrowserWindow(const QString &address)
{
    if (!m_firstBrowserWindow)
        m_firstBrowserWindow = createBrowserWindow();
    QWidget *subWindow = m_firstBrowserWindow->frameWidget();
    subWindow->show();
    m_frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(subWindow));
    m_frame->raise();
    m_frame->activateWindow();
    if (!address.isEmpty())
        m_firstBrowserWindow->webControl()->navigate(address);
    return m_firstBrowserWindow;
}

void Application::arrangeBrowserWindows(int arrangeCode)
{
    m_frame->arrange(arrangeCode);
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

QWidget *Application::openTextPad(const QString &text)
{
    auto *pad = new TextPadWindow(m_dialogs, *this, m_launcher);
    m_textPads.append(pad);
    pad->show();
    pad->document()->setText(text);
    return pad;
}
