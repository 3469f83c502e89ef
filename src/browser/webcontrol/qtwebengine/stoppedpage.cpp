// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/stoppedpage.h"

#include <QWebEnginePage>

QString StoppedPage::status(int terminationStatus, int exitCode)
{
    QString reason;
    if (terminationStatus == QWebEnginePage::KilledTerminationStatus)
        reason = QStringLiteral("it was killed");
    else if (terminationStatus == QWebEnginePage::CrashedTerminationStatus)
        reason = QStringLiteral("it crashed");
    else
        reason = QStringLiteral("its process ended with code %1").arg(exitCode);
    return QStringLiteral("The page stopped: %1").arg(reason);
}

QString StoppedPage::html(const QString &status, const QUrl &deadPage)
{
    return QStringLiteral(
        "<!DOCTYPE html><html><head><title>Page stopped</title></head>"
        "<body style='font-family:sans-serif;margin:3em'><h1>This page stopped</h1>"
        "<p>%1</p><p>%2</p><p><a href='%3' style='padding:.4em 1em;border:1px solid gray;"
        "border-radius:4px;text-decoration:none;color:black;background:#eee'>Reload</a></p>"
        "</body></html>")
        .arg(status.toHtmlEscaped(), deadPage.toDisplayString().toHtmlEscaped(),
            deadPage.toString(QUrl::FullyEncoded).toHtmlEscaped());
}
