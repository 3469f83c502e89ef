// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/localhttpserver.h"

#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

bool LocalHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost);
}

void LocalHttpServer::serve(
    const QString &path, const QByteArray &contentType, const QByteArray &body, int delayMs)
{
    m_resources.insert(path, { contentType, body, delayMs });
}

void LocalHttpServer::serveHtml(const QString &path, const QString &html, int delayMs)
{
    serve(path, "text/html; charset=utf-8", html.toUtf8(), delayMs);
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

void LocalHttpServer::protect(const QString &path, const QByteArray &userAndPassword)
{
    m_credentials.insert(path, "Basic " + userAndPassword.toBase64());
}

QUrl LocalHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
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
    // "GET /path?query HTTP/1.1"
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QString target
        = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    const QString path = target.section(u'?', 0, 0);
    m_requestedPaths.append(path);
    emit requested(path);

    const auto credentials = m_credentials.constFind(path);
    const bool authorized = credentials == m_credentials.constEnd()
        || request.contains("\r\nAuthorization: " + *credentials + "\r\n");
    const int delayMs = m_resources.value(path).delayMs;
    if (delayMs > 0) {
        QTimer::singleShot(delayMs, socket,
            [this, socket, path, authorized] { respond(socket, path, authorized); });
    } else {
        respond(socket, path, authorized);
    }
}

void LocalHttpServer::respond(QTcpSocket *socket, const QString &path, bool authorized)
{
    if (!authorized) {
        socket->write("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"Staff\"\r\n"
                      "Content-Type: text/plain\r\nContent-Length: 16\r\nConnection: close"
                      "\r\n\r\nSign-in required");
        socket->disconnectFromHost();
        return;
    }
    const auto found = m_resources.constFind(path);
    const bool known = found != m_resources.constEnd();
    const QByteArray body = known ? found->body : QByteArray("not found");
    const QByteArray header = QByteArray(known ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found")
        + "\r\nContent-Type: " + (known ? found->contentType : QByteArray("text/plain"))
        + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n";
    socket->write(header + body);
    socket->disconnectFromHost();
}
