// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/searchaddress.h"

#include <QByteArray>

namespace {

bool needsPercentEncoding(unsigned char byte)
{
    // Every byte of a multi-byte UTF-8 sequence is 0x80 or above, so non-ASCII text is caught here
    // too.
    if (byte < 0x20 || byte >= 0x7f)
        return true;
    return QByteArrayView("&#+%=?").contains(char(byte));
}

} // namespace

QString encodeSearchPhrase(const QString &phrase)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    QByteArray encoded;
    for (const char c : phrase.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ') {
            encoded += '+';
        } else if (needsPercentEncoding(byte)) {
            encoded += '%';
            encoded += hexDigits[byte >> 4];
            encoded += hexDigits[byte & 0x0f];
        } else {
            encoded += c;
        }
    }
    return QString::fromLatin1(encoded);
}

QString searchAddress(const QString &phrase)
{
    return QStringLiteral("http://www.google.com/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=")
        + encodeSearchPhrase(phrase) + QStringLiteral("&btnG=Google+Search");
}
