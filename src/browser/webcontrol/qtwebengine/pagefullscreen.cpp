// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/pagefullscreen.h"

#include <QShortcut>
#include <QVBoxLayout>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

PageFullScreen::PageFullScreen(QWebEnginePage *page, QWebEngineView *view, QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_view(view)
{
    // The engine refuses every page's full screen unless the application says it handles it.
    page->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    connect(page, &QWebEnginePage::fullScreenRequested, this, &PageFullScreen::onRequest);
}

PageFullScreen::~PageFullScreen() = default;

void PageFullScreen::onRequest(QWebEngineFullScreenRequest request)
{
    if (request.toggleOn() == isActive()) {
        // Already where the page asks to be.
        request.accept();
        return;
    }
    request.accept();
    if (request.toggleOn())
        enter();
    else
        leave();
}

void PageFullScreen::enter()
{
    // The page moves to a view of its own, as the engine expects, rather than its view being
    // taken out of the window's layout.
    m_screen = std::make_unique<QWidget>();
    m_screen->setObjectName(QStringLiteral("pageFullScreen"));
    auto *layout = new QVBoxLayout(m_screen.get());
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QWebEngineView(m_screen.get());
    layout->addWidget(view);
    view->setPage(m_page);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_screen.get());
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, m_page,
        [page = m_page] { page->triggerAction(QWebEnginePage::ExitFullScreen); });
    m_screen->showFullScreen();
    view->setFocus();
}

void PageFullScreen::leave()
{
    if (m_view) {
        m_view->setPage(m_page);
        m_view->setFocus();
    }
    m_screen.reset();
}
