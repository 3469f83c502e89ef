// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/enginesettings.h"

// Engine settings kept in memory only, for as long as this object lives: what the Internet
// Properties dialog edits when no engine could be started to apply them to.
class MemoryEngineSettings : public EngineSettings
{
public:
    QUrl homePage() const override { return m_homePage; }
    void setHomePage(const QUrl &url) override { m_homePage = url; }
    bool javaScriptEnabled() const override { return m_javaScript; }
    void setJavaScriptEnabled(bool enabled) override { m_javaScript = enabled; }
    bool imagesEnabled() const override { return m_images; }
    void setImagesEnabled(bool enabled) override { m_images = enabled; }
    void clearCache() override { }
    void clearCookies() override { }

private:
    QUrl m_homePage { QStringLiteral("about:blank") };
    bool m_javaScript = true;
    bool m_images = true;
};
