// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressurl.h"

#include <QDir>

bool isLocalPath(QStringView text)
{
    return text.startsWith(u'/') || text.startsWith(u"~/");
}

QUrl urlFromAddress(const QString &address, const QString &homePath)
{
    const QString text = address.trimmed();
    if (!isLocalPath(text))
        return QUrl::fromUserInput(text);
    const QString path = text.startsWith(u'~') ? homePath + text.mid(1) : text;
    return QUrl::fromUserInput(QDir::cleanPath(path));
}
