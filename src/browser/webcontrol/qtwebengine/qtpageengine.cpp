// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/qtpageengine.h"

#include "browser/webcontrol/qtwebengine/downloadmanager.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"

QtPageEngine::QtPageEngine(QWebEngineProfile *profile, PathChooser choosePath, QObject *parent)
    : PageEngine(parent)
    , m_profile(profile)
    , m_settings(profile)
{
    auto *downloads = new DownloadManager(profile, std::move(choosePath), this);
    connect(downloads, &DownloadManager::started, this, &PageEngine::downloadStarted);
}

WebControl *QtPageEngine::createControl()
{
    return new WebEngineControl(m_profile, m_settings);
}
