// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

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

bool SingleInstance::handOff(const QByteArray &message, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray framed;
    QDataStream(&framed, QIODevice::WriteOnly) << quint32(message.size());
    socket.write(framed + message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    if (!socket.bytesAvailable() && !socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.read(1) == QByteArray(1, acknowledgement);
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
