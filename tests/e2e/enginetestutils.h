// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/webcontrol.h"

#include <QSignalSpy>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <memory>
#include <optional>

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

} // namespace enginetest
