// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

// The web engine's own settings, shared by every browser window: what the Internet Properties
// dialog edits. They belong to the engine's profile, not to the program's data files.
class EngineSettings
{
public:
    virtual ~EngineSettings() = default;

    // The page Home goes to; "about:blank" until one is set.
    virtual QUrl homePage() const = 0;
    virtual void setHomePage(const QUrl &url) = 0;

    virtual bool javaScriptEnabled() const = 0;
    virtual void setJavaScriptEnabled(bool enabled) = 0;
    virtual bool imagesEnabled() const = 0;
    virtual void setImagesEnabled(bool enabled) = 0;

    virtual void clearCache() = 0;
    virtual void clearCookies() = 0;
};
