// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/webenginepage.h"

#include <QWebEngineNewWindowRequest>

WebEnginePage::WebEnginePage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    // Every kind of new window (window, tab, dialog, background tab) becomes a browser window;
    // the default createWindow returns none, so each request arrives here with its user gesture.
    connect(this, &QWebEnginePage::newWindowRequested, this, &WebEnginePage::openWindow);
    // Silence lasts until the next page has loaded: a page that keeps asking must not be heard
    // again while the user leaves it.
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_dialogsSilenced = false; });
    connect(this, &QWebEnginePage::loadStarted, this, [this] {
        m_unrequestedWindows = 0;
        m_refusedWindows = 0;
    });
}

bool WebEnginePage::acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame)
{
    if (isMainFrame)
        m_dialogsShown = 0;
    emit navigationStarting(url, isMainFrame);
    return true;
}

void WebEnginePage::openWindow(QWebEngineNewWindowRequest &request)
{
    if (!request.isUserInitiated() && m_unrequestedWindows >= unrequestedWindowLimit) {
        emit windowRefused(++m_refusedWindows);
        return;
    }
    QWebEnginePage *target = m_windowFactory ? m_windowFactory() : nullptr;
    if (!target)
        return;
    if (!request.isUserInitiated())
        ++m_unrequestedWindows;
    request.openIn(target);
}

void WebEnginePage::javaScriptAlert(const QUrl &, const QString &text)
{
    WebControl::PageDialogRequest request { WebControl::PageDialogKind::Alert, text };
    showDialog(request);
}

bool WebEnginePage::javaScriptConfirm(const QUrl &, const QString &text)
{
    WebControl::PageDialogRequest request { WebControl::PageDialogKind::Confirm, text };
    return showDialog(request);
}

bool WebEnginePage::javaScriptPrompt(
    const QUrl &, const QString &text, const QString &defaultValue, QString *result)
{
    WebControl::PageDialogRequest request { WebControl::PageDialogKind::Prompt, text,
        defaultValue };
    if (!showDialog(request))
        return false;
    *result = request.value;
    return true;
}

bool WebEnginePage::showDialog(WebControl::PageDialogRequest &request)
{
    // A silenced page's alerts show nothing, its confirms are false and its prompts null.
    if (m_dialogsSilenced)
        return false;
    request.offerSilence = ++m_dialogsShown > 1;
    emit dialogRequested(request);
    m_dialogsSilenced = request.silence;
    return request.accepted;
}
