// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/localhttpserver.h"

#include <QSslServer>
#include <QTcpSocket>
#include <QTimer>

bool LocalHttpServer::listen(const std::optional<QSslConfiguration> &tls)
{
    if (tls) {
        auto https = std::make_unique<QSslServer>();
        https->setSslConfiguration(*tls);
        m_server = std::move(https);
    }
    // An HTTPS server's connections are ready once encrypted.
    connect(
        m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &LocalHttpServer::accept);
    return m_server->listen(QHostAddress::LocalHost);
}

void LocalHttpServer::serve(
    const QString &path, const QByteArray &contentType, const QByteArray &body, int delayMs)
{
    m_resources.insert(path, { contentType, body, delayMs });
}

void LocalHttpServer::serveAttachment(
    const QString &path, const QString &fileName, const QByteArray &body)
{
    // The content type carries the header that makes it an attachment.
    serve(path,
        "application/octet-stream\r\nContent-Disposition: attachment; filename=\""
            + fileName.toUtf8() + '"',
        body);
}

QUrl LocalHttpServer::url(const QString &path) const
{
    const QString scheme = qobject_cast<QSslServer *>(m_server.get()) ? "https" : "http";
    return QUrl(
        QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(m_server->serverPort()).arg(path));
}

void LocalHttpServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::read(QTcpSocket *socket)
{
    QByteArray &buffer = m_pending[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n"))
        return;
    const QByteArray request = m_pending.take(socket);
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    // "GET /path?query HTTP/1.1"
    const QString path = QString::fromLatin1(request.left(request.indexOf("\r\n")))
                             .section(u' ', 1, 1)
                             .section(u'?', 0, 0);
    m_requestedPaths.append(path);
    const auto credentials = m_credentials.constFind(path);
    const bool authorized = credentials == m_credentials.constEnd()
        || request.contains("\r\nAuthorization: " + *credentials + "\r\n");
    QTimer::singleShot(m_resources.value(path).delayMs, socket,
        [this, socket, path, authorized] { respond(socket, path, authorized); });
}

void LocalHttpServer::respond(QTcpSocket *socket, const QString &path, bool authorized)
{
    const auto found = m_resources.constFind(path);
    const bool known = found != m_resources.constEnd();
    QByteArray status = known ? "200 OK" : "404 Not Found";
    QByteArray headers = "Content-Type: " + (known ? found->contentType : "text/plain");
    QByteArray body = known ? found->body : "not found";
    if (!authorized) {
        status = "401 Unauthorized";
        headers = "WWW-Authenticate: Basic realm=\"Staff\"\r\nContent-Type: text/plain";
        body = "Sign-in required";
    }
    socket->write("HTTP/1.1 " + status + "\r\n" + headers
        + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
