// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSslConfiguration>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>
#include <memory>
#include <optional>

class QTcpSocket;

// A tiny HTTP(S) server on 127.0.0.1 for end-to-end tests: it answers GET requests from a table of
// paths and remembers what was asked. Unknown paths get 404.
class LocalHttpServer : public QObject
{
public:
    // Listens on a free port of 127.0.0.1, speaking HTTPS with `tls`; false when that fails.
    bool listen(const std::optional<QSslConfiguration> &tls = std::nullopt);

    // `headers`: the response's header lines, without the last line break; the body's length is
    // added unless they give one.
    void serve(const QString &path, const QByteArray &headers, const QByteArray &body)
    {
        m_resources.insert(path, { headers, body });
    }
    void serveHtml(const QString &path, const QString &html)
    {
        serve(path, "Content-Type: text/html; charset=utf-8", html.toUtf8());
    }
    // Answers `path` only to requests signed in with Basic authentication as user:password.
    void protect(const QString &path, const QByteArray &userAndPassword)
    {
        m_credentials.insert(path, "Basic " + userAndPassword.toBase64());
    }

    QUrl url(const QString &path) const;
    // The paths of the requests received so far (without their queries), in order.
    QStringList requestedPaths() const { return m_requestedPaths; }

private:
    void accept();
    void read(QTcpSocket *socket);

    QHash<QString, QPair<QByteArray, QByteArray>> m_resources; // path: headers and body
    QHash<QString, QByteArray> m_credentials; // path: the expected Authorization header value
    QHash<QTcpSocket *, QByteArray> m_pending;
    QStringList m_requestedPaths;
    // Last, so it goes first: the sockets it deletes report their disconnection into m_pending.
    std::unique_ptr<QTcpServer> m_server = std::make_unique<QTcpServer>();
};
