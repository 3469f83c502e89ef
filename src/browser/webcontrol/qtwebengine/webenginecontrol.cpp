// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"

#include "browser/core/addressurl.h"
#include "browser/webcontrol/enginesettings.h"
#include "browser/webcontrol/qtwebengine/offlineinterceptor.h"
#include "browser/webcontrol/qtwebengine/pagefullscreen.h"
#include "browser/webcontrol/qtwebengine/pagerequests.h"
#include "browser/webcontrol/qtwebengine/stoppedpage.h"
#include "browser/webcontrol/qtwebengine/webenginepage.h"

#include <QDir>
#include <QPrinter>
#include <QRect>
#include <QTimer>
#include <QVariantMap>
#include <QWebEngineFindTextResult>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <utility>

namespace {

struct PageActionCommand
{
    WebControl::Command command;
    QWebEnginePage::WebAction action;
};

// Editing commands the engine has page actions for; Delete has none and goes through a script.
constexpr PageActionCommand pageActionCommands[] = {
    { WebControl::Command::Cut, QWebEnginePage::Cut },
    { WebControl::Command::Copy, QWebEnginePage::Copy },
    { WebControl::Command::Paste, QWebEnginePage::Paste },
    { WebControl::Command::Undo, QWebEnginePage::Undo },
    { WebControl::Command::Redo, QWebEnginePage::Redo },
    { WebControl::Command::SelectAll, QWebEnginePage::SelectAll },
};

const QString markupScript
    = QStringLiteral("document.documentElement ? document.documentElement.innerHTML : ''");

const QString propertiesScript
    = QStringLiteral("({ contentType: document.contentType || '',"
                     "   lastModified: document.lastModified || '',"
                     "   size: document.documentElement"
                     "         ? new Blob([document.documentElement.outerHTML]).size : -1 })");

} // namespace

WebEngineControl::WebEngineControl(
    QWebEngineProfile *profile, EngineSettings &settings, QObject *parent)
    : WebControl(parent)
    , m_alive(std::make_shared<bool>(true))
    , m_interceptor(new OfflineInterceptor(this))
    , m_page(new WebEnginePage(profile, this))
    , m_view(new QWebEngineView)
    , m_settings(settings)
{
    m_fullScreen = new PageFullScreen(m_page, m_view, this);
    new PageRequests(m_page, this, m_questions); // owned by this control
    m_page->setWindowFactory([this] { return openWindow(); });
    m_view->setPage(m_page);
    connectView();
    connectPage();
}

WebEngineControl::~WebEngineControl()
{
    *m_alive = false;
    delete m_fullScreen;
    delete m_view;
    // The page goes before the interceptor it uses.
    delete m_page;
}

QWebEnginePage *WebEngineControl::page() const
{
    return m_page;
}

WebEngineControl *WebEngineControl::forPage(QWebEnginePage *page)
{
    return page ? qobject_cast<WebEngineControl *>(page->parent()) : nullptr;
}

EngineSettings &WebEngineControl::engineSettings()
{
    return m_settings;
}

QWidget *WebEngineControl::widget()
{
    return m_view;
}

void WebEngineControl::navigate(const QString &address)
{
    load(urlFromAddress(address, QDir::homePath()));
}

void WebEngineControl::goBack()
{
    page()->triggerAction(QWebEnginePage::Back);
}

void WebEngineControl::goForward()
{
    page()->triggerAction(QWebEnginePage::Forward);
}

void WebEngineControl::goHome()
{
    load(m_settings.homePage());
}

void WebEngineControl::stop()
{
    page()->triggerAction(QWebEnginePage::Stop);
}

void WebEngineControl::refresh()
{
    page()->triggerAction(QWebEnginePage::ReloadAndBypassCache);
}

QString WebEngineControl::locationName() const
{
    return page()->title();
}

QString WebEngineControl::locationUrl() const
{
    const QUrl url = page()->url();
    return url.isEmpty() ? QString() : url.toString();
}

void WebEngineControl::requestMarkup(std::function<void(const QString &)> callback)
{
    runScript(markupScript,
        [callback = std::move(callback)](const QVariant &result) { callback(result.toString()); });
}

void WebEngineControl::setDesignMode(bool on)
{
    runScript(on ? QStringLiteral("document.designMode = 'on'")
                 : QStringLiteral("document.designMode = 'off'"),
        {});
}

void WebEngineControl::requestProperties(std::function<void(const PageProperties &)> callback)
{
    PageProperties properties { locationName(), locationUrl(), {}, {}, -1 };
    runScript(propertiesScript,
        [properties, callback = std::move(callback)](const QVariant &result) mutable {
            const QVariantMap map = result.toMap();
            properties.contentType = map.value(QStringLiteral("contentType")).toString();
            properties.lastModified = map.value(QStringLiteral("lastModified")).toString();
            properties.size = map.value(QStringLiteral("size"), -1).toLongLong();
            callback(properties);
        });
}

void WebEngineControl::setOffline(bool offline)
{
    // The engine asks an interceptor about every request on the user-interface thread, so a page
    // has one only while offline.
    m_page->setUrlRequestInterceptor(offline ? m_interceptor : nullptr);
}

void WebEngineControl::setAudioMuted(bool muted)
{
    page()->setAudioMuted(muted);
}

void WebEngineControl::discard()
{
    // The engine reloads a discarded page by itself when its view becomes visible again.
    m_page->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
}

void WebEngineControl::setZoomFactor(double factor)
{
    m_zoomFactor = factor;
    m_page->setZoomFactor(factor);
}

void WebEngineControl::savePage(const QString &path)
{
    page()->save(path, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
}

void WebEngineControl::print(QPrinter *printer)
{
    // The view prints a picture of each page; printed to a PDF file, the engine's own PDF keeps
    // the page's text as text.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        page()->printToPdf(printer->outputFileName(), printer->pageLayout(), printer->pageRanges());
    else if (m_view)
        m_view->print(printer);
    else
        emit printFinished(false);
}

void WebEngineControl::findText(const QString &text, bool backward, bool caseSensitive)
{
    QWebEnginePage::FindFlags flags;
    flags.setFlag(QWebEnginePage::FindBackward, backward);
    flags.setFlag(QWebEnginePage::FindCaseSensitively, caseSensitive);
    page()->findText(text, flags);
}

void WebEngineControl::execute(Command command)
{
    if (command == Command::Delete) {
        // What the Del key does: the selection, or else the character after the caret.
        runScript(QStringLiteral("document.execCommand('forwardDelete')"), {});
        return;
    }
    for (const PageActionCommand &entry : pageActionCommands) {
        if (entry.command != command)
            continue;
        // The engine applies editing commands to the focused frame; a page nobody clicked into
        // yet has none, as when the command comes from a menu.
        if (m_view)
            m_view->setFocus();
        page()->triggerAction(entry.action);
    }
}

void WebEngineControl::connectPage()
{
    connect(m_page, &WebEnginePage::navigationStarting, this,
        [this](const QUrl &url, bool isMainFrame) {
            if (isMainFrame)
                m_loadingUrl = url;
            emit navigationStarting(url);
        });
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] {
        m_questions.restart();
        emit statusTextChanged(tr("Loading %1...").arg(m_loadingUrl.toDisplayString()));
    });
    connect(m_page, &QWebEnginePage::loadProgress, this,
        [this](int progress) { emit progressChanged(progress, 100); });
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WebEngineControl::onLoadingChanged);
    connect(m_page, &QWebEnginePage::titleChanged, this, &WebControl::titleChanged);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
            showStoppedPage(status, exitCode);
        });
    connect(m_page, &WebEnginePage::windowRefused, this, [this](int refused) {
        emit statusTextChanged(tr("%1 pop-up windows refused").arg(refused));
    });
    connect(m_page, &WebEnginePage::dialogRequested, this, &WebControl::pageDialogRequested,
        Qt::DirectConnection);
    connect(m_page, &QWebEnginePage::linkHovered, this, &WebControl::statusTextChanged);
    connect(m_page, &QWebEnginePage::geometryChangeRequested, this, &WebEngineControl::requestSize);
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, &WebControl::closeRequested);
    connect(m_page, &QWebEnginePage::findTextFinished, this,
        [this](const QWebEngineFindTextResult &result) {
            emit findFinished(result.numberOfMatches(), result.activeMatch());
        });
    connect(m_page, &QWebEnginePage::pdfPrintingFinished, this,
        [this](const QString &, bool ok) { emit printFinished(ok); });
}

void WebEngineControl::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        return;
    emit statusTextChanged(finishedStatus(info));
    // The engine starts each new document at its own zoom; the window's zoom stays.
    if (!qFuzzyCompare(m_page->zoomFactor(), m_zoomFactor))
        m_page->setZoomFactor(m_zoomFactor);
    // Failed loads complete too (the engine's error page, or a request blocked while offline),
    // so the window always leaves its loading state.
    emit documentComplete(m_page->url());
}

QString WebEngineControl::finishedStatus(const QWebEngineLoadingInfo &info)
{
    QString status = tr("Done");
    if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
        status = tr("Could not load %1: %2").arg(info.url().toDisplayString(), info.errorString());
    else if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus)
        status = tr("Stopped");
    else if (!m_stoppedStatus.isEmpty())
        status = std::exchange(m_stoppedStatus, QString());
    if (const int refused = m_page->refusedWindows())
        status += tr(" (%1 pop-up windows refused)").arg(refused);
    return status;
}

void WebEngineControl::showStoppedPage(int status, int exitCode)
{
    m_stoppedStatus = StoppedPage::status(status, exitCode);
    emit statusTextChanged(m_stoppedStatus);
    const QString html = StoppedPage::html(m_stoppedStatus, m_page->url());
    // The engine must finish tearing down the dead page's process first.
    QTimer::singleShot(0, m_page, [page = m_page, html] { page->setHtml(html); });
}

void WebEngineControl::connectView()
{
    connect(m_view, &QWebEngineView::printFinished, this, &WebControl::printFinished);
}

void WebEngineControl::load(const QUrl &url)
{
    if (!url.isEmpty())
        m_page->load(url);
}

QWebEnginePage *WebEngineControl::openWindow()
{
    NewWindowRequest request;
    emit newWindowRequested(request);
    auto *target = qobject_cast<WebEngineControl *>(request.target);
    return target ? target->page() : nullptr;
}

void WebEngineControl::requestSize(const QRect &geometry)
{
    // The page asks for its window's outer size in screen coordinates, which the engine keeps in
    // device-independent pixels whatever the page's zoom (at 200% a page sees 320 CSS pixels of
    // a 640 pixel wide view as innerWidth but 640 as outerWidth). The view has no frame of its
    // own, so the outer size is the size of the view, in the widget's own pixels.
    emit widthRequested(geometry.width());
    emit heightRequested(geometry.height());
}

void WebEngineControl::runScript(
    const QString &script, std::function<void(const QVariant &)> callback)
{
    // Our own scripts run apart from the page's, so a page cannot redefine what they call.
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
        [alive = m_alive, callback = std::move(callback)](const QVariant &result) {
            if (*alive && callback)
                callback(result);
        });
}
