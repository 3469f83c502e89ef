// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/enginesettings.h"

#include <QString>
#include <QUrl>

class QWebEngineProfile;

// The engine settings of one profile, one object for every page on it. The engine forgets its
// switches and has no home page of its own, so a profile on disk keeps them in a small file in its
// storage folder; an off-the-record profile keeps them in memory only.
class ProfileSettings : public EngineSettings
{
public:
    // Applies what an earlier run stored for `profile`.
    explicit ProfileSettings(QWebEngineProfile *profile);

    QUrl homePage() const override;
    void setHomePage(const QUrl &url) override;
    bool javaScriptEnabled() const override;
    void setJavaScriptEnabled(bool enabled) override;
    bool imagesEnabled() const override;
    void setImagesEnabled(bool enabled) override;
    void clearCache() override;
    void clearCookies() override;

private:
    void store(const QString &key, const QVariant &value);

    QWebEngineProfile *m_profile;
    QUrl m_homePage;
};
