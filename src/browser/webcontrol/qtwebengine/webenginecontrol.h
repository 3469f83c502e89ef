// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/questionqueue.h"
#include "browser/webcontrol/webcontrol.h"

#include <QPointer>
#include <memory>

class OfflineInterceptor;
class PageFullScreen;
class QRect;
class QVariant;
class QWebEngineLoadingInfo;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class WebEnginePage;

// The web control on QtWebEngine: a view and its page, with the page's engine signals turned into
// the control's events.
class WebEngineControl : public WebControl
{
    Q_OBJECT

public:
    // A page on `profile`, whose engine settings are `settings`; both must outlive the control.
    WebEngineControl(
        QWebEngineProfile *profile, EngineSettings &settings, QObject *parent = nullptr);
    ~WebEngineControl() override;

    QWebEnginePage *page() const;
    // The control showing `page`, if any.
    static WebEngineControl *forPage(QWebEnginePage *page);

    // The page's questions to the user, one at a time.
    QuestionQueue &questions() { return m_questions; }

    QWidget *widget() override;
    void navigate(const QString &address) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void stop() override;
    void refresh() override;
    QString locationName() const override;
    QString locationUrl() const override;
    void requestMarkup(std::function<void(const QString &)> callback) override;
    void setDesignMode(bool on) override;
    void requestProperties(std::function<void(const PageProperties &)> callback) override;
    void setOffline(bool offline) override;
    void setAudioMuted(bool muted) override;
    void discard() override;
    void setZoomFactor(double factor) override;
    void savePage(const QString &path) override;
    void print(QPrinter *printer) override;
    void findText(const QString &text, bool backward, bool caseSensitive) override;
    void execute(Command command) override;
    EngineSettings &engineSettings() override;

private:
    void connectPage();
    void connectView();
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    QString finishedStatus(const QWebEngineLoadingInfo &info);
    void showStoppedPage(int status, int exitCode);
    void load(const QUrl &url);
    QWebEnginePage *openWindow();
    void requestSize(const QRect &geometry);
    void runScript(const QString &script, std::function<void(const QVariant &)> callback);

    // Cleared first on destruction: script results that arrive while the page is being torn
    // down must not reach callers that are going away with it.
    std::shared_ptr<bool> m_alive;
    OfflineInterceptor *m_interceptor;
    QPointer<WebEnginePage> m_page;
    // The browser window may take the view into its layout and delete it with itself.
    QPointer<QWebEngineView> m_view;
    PageFullScreen *m_fullScreen = nullptr;
    QUrl m_loadingUrl;
    EngineSettings &m_settings;
    QuestionQueue m_questions;
    double m_zoomFactor = 1.0;
    // Said instead of "Done" when the page showing why the last page stopped has loaded.
    QString m_stoppedStatus;
};
