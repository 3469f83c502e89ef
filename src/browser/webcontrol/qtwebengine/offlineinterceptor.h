// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Blocks a page's network requests while the page works offline; local files, data and the
// engine's own pages still load.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setOffline(bool offline) { m_offline = offline; }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    bool m_offline = false;
};
