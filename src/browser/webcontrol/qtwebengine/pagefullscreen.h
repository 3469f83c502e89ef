// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QWebEngineFullScreenRequest;
class QWebEnginePage;
class QWebEngineView;
class QWidget;

// A page's own full screen (a video's full-screen button): the page alone fills the screen, outside
// its window, until the page leaves it or the user presses Esc; then it goes back to its view.
// The browser window's own full-screen mode is a different thing and is not touched.
class PageFullScreen : public QObject
{
    Q_OBJECT

public:
    PageFullScreen(QWebEnginePage *page, QWebEngineView *view, QObject *parent);
    ~PageFullScreen() override;

    bool isActive() const { return m_screen != nullptr; }

private:
    void onRequest(QWebEngineFullScreenRequest request);
    void enter();
    void leave();

    QWebEnginePage *m_page;
    QPointer<QWebEngineView> m_view;
    std::unique_ptr<QWidget> m_screen;
};
