// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/launcher.h"

#include <QProcess>

bool DesktopLauncher::openInDefaultBrowser(const QString &address)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), { address });
}
