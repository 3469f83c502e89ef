// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/qtwebengine/profilesettings.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "support/localhttpserver.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <memory>
#include <optional>
#include <vector>

namespace enginetest {

constexpr int loadTimeoutMs = 20000;

// Runs `script` in the page's main world and waits for its result.
inline QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, [result](const QVariant &value) { *result = value; });
    if (!QTest::qWaitFor([&result] { return result->has_value(); }, loadTimeoutMs))
        return QVariant();
    return **result;
}

// Navigates and waits for the page to complete; false on a time-out.
inline bool navigateAndWait(WebControl &control, const QString &address)
{
    QSignalSpy complete(&control, &WebControl::documentComplete);
    control.navigate(address);
    return complete.wait(loadTimeoutMs);
}

// Web controls on an off-the-record profile, and a server on 127.0.0.1 for their pages. Members
// go in reverse order: pages before their profile.
struct Engine
{
    LocalHttpServer server;
    QWebEngineProfile profile;
    ProfileSettings settings { &profile };
    std::vector<std::unique_ptr<WebEngineControl>> controls;

    WebEngineControl *newControl()
    {
        controls.push_back(std::make_unique<WebEngineControl>(&profile, settings));
        controls.back()->widget()->resize(640, 480);
        controls.back()->widget()->show();
        return controls.back().get();
    }
    QString url(const QString &path) const { return server.url(path).toString(); }
    // Serves `html` at `path` and loads it in `control`.
    bool load(WebControl &control, const QString &path, const QString &html)
    {
        server.serveHtml(path, html);
        return navigateAndWait(control, url(path));
    }
};

// A test class's engine and the control its tests use, made afresh for each test function: call
// start() from init() and stop() from cleanup().
class EngineFixture
{
protected:
    void start()
    {
        m_engine = std::make_unique<Engine>();
        QVERIFY(m_engine->server.listen());
        m_web = m_engine->newControl();
    }
    void stop() { m_engine.reset(); }
    QString url(const char *path) const { return m_engine->url(QLatin1String(path)); }
    // Serves `html` at `path` and loads it in the control.
    bool load(const char *path, const QString &html)
    {
        return m_engine->load(*m_web, QLatin1String(path), html);
    }
    QVariant evaluate(const QString &script) const
    {
        return enginetest::evaluate(m_web->page(), script);
    }

    std::unique_ptr<Engine> m_engine;
    WebEngineControl *m_web = nullptr;
};

} // namespace enginetest
