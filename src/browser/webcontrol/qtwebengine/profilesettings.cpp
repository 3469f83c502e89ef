// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/profilesettings.h"

#include <QDir>
#include <QSettings>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

const QString homePageKey = QStringLiteral("homePage");
const QString javaScriptKey = QStringLiteral("javaScript");
const QString imagesKey = QStringLiteral("images");

QString settingsFile(const QWebEngineProfile *profile)
{
    if (profile->isOffTheRecord() || profile->persistentStoragePath().isEmpty())
        return {};
    return QDir(profile->persistentStoragePath())
        .filePath(QStringLiteral("internet-properties.ini"));
}

} // namespace

ProfileSettings::ProfileSettings(QWebEngineProfile *profile)
    : m_profile(profile)
{
    const QString file = settingsFile(profile);
    if (file.isEmpty())
        return;
    const QSettings stored(file, QSettings::IniFormat);
    QWebEngineSettings *settings = profile->settings();
    m_homePage = stored.value(homePageKey).toUrl();
    settings->setAttribute(
        QWebEngineSettings::JavascriptEnabled, stored.value(javaScriptKey, true).toBool());
    settings->setAttribute(
        QWebEngineSettings::AutoLoadImages, stored.value(imagesKey, true).toBool());
}

QUrl ProfileSettings::homePage() const
{
    return m_homePage.isEmpty() ? QUrl(QStringLiteral("about:blank")) : m_homePage;
}

void ProfileSettings::setHomePage(const QUrl &url)
{
    m_homePage = url;
    store(homePageKey, url);
}

bool ProfileSettings::javaScriptEnabled() const
{
    return m_profile->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled);
}

void ProfileSettings::setJavaScriptEnabled(bool enabled)
{
    m_profile->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, enabled);
    store(javaScriptKey, enabled);
}

bool ProfileSettings::imagesEnabled() const
{
    return m_profile->settings()->testAttribute(QWebEngineSettings::AutoLoadImages);
}

void ProfileSettings::setImagesEnabled(bool enabled)
{
    m_profile->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, enabled);
    store(imagesKey, enabled);
}

void ProfileSettings::clearCache()
{
    m_profile->clearHttpCache();
}

void ProfileSettings::clearCookies()
{
    m_profile->cookieStore()->deleteAllCookies();
}

void ProfileSettings::store(const QString &key, const QVariant &value)
{
    const QString file = settingsFile(m_profile);
    if (file.isEmpty())
        return;
    QSettings stored(file, QSettings::IniFormat);
    stored.setValue(key, value);
    stored.sync(); // a failed write only loses the setting for the next run
}
