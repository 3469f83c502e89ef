// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/offlineinterceptor.h"

#include <QStringList>

namespace {

bool isNetworkScheme(const QString &scheme)
{
    static const QStringList networkSchemes = { QStringLiteral("http"), QStringLiteral("https"),
        QStringLiteral("ftp"), QStringLiteral("ws"), QStringLiteral("wss") };
    return networkSchemes.contains(scheme, Qt::CaseInsensitive);
}

} // namespace

void OfflineInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (isNetworkScheme(info.requestUrl().scheme()))
        info.block(true);
}
