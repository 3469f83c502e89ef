// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/localhttpserver.h"

#include <QSslServer>
#include <QTcpSocket>

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
    QByteArray &request = m_pending[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n"))
        return;
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    // "GET /path?query HTTP/1.1"
    const QString path = QString::fromLatin1(request.left(request.indexOf("\r\n")))
                             .section(u' ', 1, 1)
                             .section(u'?', 0, 0);
    m_requestedPaths.append(path);
    const auto credentials = m_credentials.constFind(path);
    const bool authorized = credentials == m_credentials.constEnd()
        || request.contains("\r\nAuthorization: " + *credentials + "\r\n");
    QByteArray status = "200 OK";
    auto [headers, body] = m_resources.value(path);
    if (!authorized) {
        status = "401 Unauthorized";
        headers = "WWW-Authenticate: Basic realm=\"Staff\"\r\nContent-Type: text/plain";
        body = "Sign-in required";
    } else if (!m_resources.contains(path)) {
        status = "404 Not Found";
        headers = "Content-Type: text/plain";
        body = "not found";
    }
    // A length given with the headers may promise more than the body: the connection then breaks.
    if (!headers.contains("Content-Length:"))
        headers += "\r\nContent-Length: " + QByteArray::number(body.size());
    socket->write("HTTP/1.1 " + status + "\r\n" + headers
        + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
