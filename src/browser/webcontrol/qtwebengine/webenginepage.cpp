// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/webenginepage.h"

bool WebEnginePage::acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame)
{
    emit navigationStarting(url, isMainFrame);
    return true;
}

QWebEnginePage *WebEnginePage::createWindow(WebWindowType)
{
    // Every kind of new window (window, tab, dialog, background tab) becomes a browser window.
    return m_windowFactory ? m_windowFactory() : nullptr;
}
