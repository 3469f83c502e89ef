// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include "app/core/handoffmessage.h"

#include <QDataStream>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Long enough for a running program busy with a page; a dead one refuses the connection at once.
constexpr int probeTimeoutMs = 500;
constexpr char acknowledgement = '\x06';
} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(serverName)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString &dataDirectory)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/'
        + instanceServerName(QString::number(::getuid()), dataDirectory);
}

bool SingleInstance::handOff(const QString &serverName, const QByteArray &message, int timeoutMs)
{
    QByteArray framed;
    QDataStream(&framed, QIODevice::WriteOnly) << quint32(message.size());
    framed += message;
    const QByteArray path = QFile::encodeName(serverName);
    sockaddr_un address {};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const timeval timeout { timeoutMs / 1000, (timeoutMs % 1000) * 1000 };
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    char answer = 0;
    const bool delivered
        = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
        && ::send(fd, framed.constData(), framed.size(), MSG_NOSIGNAL) == framed.size()
        && ::recv(fd, &answer, 1, 0) == 1 && answer == acknowledgement;
    ::close(fd);
    return delivered;
}

bool SingleInstance::listen()
{
    // Listening would replace a live program's socket, so ask first whether one answers.
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(probeTimeoutMs))
        return false;
    QLocalServer::removeServer(m_serverName);
    return m_server->listen(m_serverName);
}

void SingleInstance::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        read(socket);
    }
}

// Waits for the whole message; a peer that sends a wrong length or goes away is dropped.
void SingleInstance::read(QLocalSocket *socket)
{
    constexpr qint64 header = sizeof(quint32);
    if (socket->bytesAvailable() < header)
        return;
    quint32 size = 0;
    QDataStream(socket->peek(header)) >> size;
    if (socket->bytesAvailable() < header + size)
        return;
    socket->skip(header);
    const QByteArray message = socket->read(size);
    socket->write(QByteArray(1, acknowledgement));
    socket->disconnectFromServer();
    emit messageReceived(message);
}
