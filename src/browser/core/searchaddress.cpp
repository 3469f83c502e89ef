// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/searchaddress.h"

#include <QUrl>

QString encodeSearchPhrase(const QString &phrase)
{
    // Characters an address carries as they are stay readable; space becomes "+" afterwards.
    QByteArray encoded = QUrl::toPercentEncoding(phrase, " !$'()*,/:;@");
    encoded.replace(' ', '+');
    return QString::fromLatin1(encoded);
}

QString searchAddress(const QString &phrase)
{
    return QStringLiteral("http://www.google.com/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=")
        + encodeSearchPhrase(phrase) + QStringLiteral("&btnG=Google+Search");
}
