// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/enginesettings.h"

// Engine settings kept in plain fields, with counts of the clearing commands.
class FakeEngineSettings : public EngineSettings
{
public:
    QUrl homePage() const override { return home; }
    void setHomePage(const QUrl &url) override { home = url; }
    bool javaScriptEnabled() const override { return javaScript; }
    void setJavaScriptEnabled(bool enabled) override { javaScript = enabled; }
    bool imagesEnabled() const override { return images; }
    void setImagesEnabled(bool enabled) override { images = enabled; }
    void clearCache() override { ++cacheClears; }
    void clearCookies() override { ++cookieClears; }

    QUrl home = QUrl(QStringLiteral("about:blank"));
    bool javaScript = true;
    bool images = true;
    int cacheClears = 0;
    int cookieClears = 0;
};
