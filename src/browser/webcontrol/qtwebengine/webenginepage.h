// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/webcontrol.h"

#include <QWebEnginePage>
#include <functional>

class QWebEngineNewWindowRequest;

// A page that reports every navigation (frames included, none refused), asks its owner for the
// page that a new window opened by the page should load in, and hands the page's own dialogs to
// its owner. Per load it opens at most a few windows the user did not ask for, and once the user
// silences its dialogs they answer at once until the next page has loaded.
class WebEnginePage : public QWebEnginePage
{
    Q_OBJECT

public:
    using WindowFactory = std::function<QWebEnginePage *()>;

    // New windows a page may open per load without a click or key press of the user.
    static constexpr int unrequestedWindowLimit = 5;

    WebEnginePage(QWebEngineProfile *profile, QObject *parent);

    // Without a factory, or when it returns nullptr, the new window is not opened.
    void setWindowFactory(WindowFactory factory) { m_windowFactory = std::move(factory); }
    // New windows refused since the page's load began.
    int refusedWindows() const { return m_refusedWindows; }

signals:
    void navigationStarting(const QUrl &url, bool isMainFrame);
    void windowRefused(int refusedSoFar);
    // Connect directly: the handler answers before returning.
    void dialogRequested(WebControl::PageDialogRequest &request);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &text) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &text) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &text,
        const QString &defaultValue, QString *result) override;

private:
    void openWindow(QWebEngineNewWindowRequest &request);
    bool showDialog(WebControl::PageDialogRequest &request);

    WindowFactory m_windowFactory;
    int m_unrequestedWindows = 0;
    int m_refusedWindows = 0;
    int m_dialogsShown = 0;
    bool m_dialogsSilenced = false;
};
