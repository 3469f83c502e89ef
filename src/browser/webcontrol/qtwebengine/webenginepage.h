// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWebEnginePage>
#include <functional>

// A page that reports every navigation (frames included, none refused) and asks its owner for
// the page that a new window opened by the page should load in.
class WebEnginePage : public QWebEnginePage
{
    Q_OBJECT

public:
    using WindowFactory = std::function<QWebEnginePage *()>;

    using QWebEnginePage::QWebEnginePage;

    // Without a factory, or when it returns nullptr, the new window is not opened.
    void setWindowFactory(WindowFactory factory) { m_windowFactory = std::move(factory); }

signals:
    void navigationStarting(const QUrl &url, bool isMainFrame);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    WindowFactory m_windowFactory;
};
