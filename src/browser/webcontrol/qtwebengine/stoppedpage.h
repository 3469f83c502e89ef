// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// What a window shows in place of a page whose process crashed or was killed.
namespace StoppedPage {

// The status text: "The page stopped: " and why, from the engine's termination status.
QString status(int terminationStatus, int exitCode);
// A page saying so, with a Reload button that loads `deadPage` again.
QString html(const QString &status, const QUrl &deadPage);

} // namespace StoppedPage
