// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/handoffmessage.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

namespace {
// Tells a request from stray bytes, and a request of a future layout from this one.
constexpr quint32 requestMagic = 0x57565231; // "WVR1"
} // namespace

QByteArray encodeStartRequest(const StartRequest &request)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << requestMagic << qint32(request.kind) << request.items;
    return bytes;
}

std::optional<StartRequest> decodeStartRequest(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    qint32 kind = -1;
    StartRequest request;
    in >> magic >> kind >> request.items;
    const bool known
        = kind == qint32(StartRequest::Kind::Browse) || kind == qint32(StartRequest::Kind::Pad);
    if (in.status() != QDataStream::Ok || magic != requestMagic || !known || !in.atEnd())
        return std::nullopt;
    request.kind = StartRequest::Kind(kind);
    return request;
}

QString instanceServerName(const QString &userName, const QString &dataDirectory)
{
    // Hashed, so that any user name and path make a short name that is valid as a file name.
    const QByteArray key = (userName + u'\0' + dataDirectory).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("webviewer-") + QString::fromLatin1(hash.left(24));
}
