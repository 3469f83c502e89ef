// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/applicationprofile.h"

#include <QStandardPaths>
#include <QWebEngineProfile>

QWebEngineProfile *createApplicationProfile(QObject *parent)
{
    const QString name = QStringLiteral("webviewer");
    auto *profile = new QWebEngineProfile(name, parent);
    profile->setPersistentStoragePath(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + name);
    profile->setCachePath(
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u'/' + name);
    return profile;
}
