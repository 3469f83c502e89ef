// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// One running program per user and data directory: a later start hands its message to the
// running one over a local socket and ends. The message is framed by its length, and the running
// program answers once it has the whole message, so a hand-off that returns true was received.
// Plain sockets on both sides: the program need not load Qt's network library to start.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `serverName` is the path of the socket.
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    // The socket of this user's program on `dataDirectory`: in the user's private runtime
    // directory, so no other user can take the name or listen in.
    static QString serverNameFor(const QString &dataDirectory);
    // Stops listening and removes the socket.
    ~SingleInstance() override;

    // Gives `message` to the program running under `serverName`; false when none takes it within
    // `timeoutMs`. Needs no QCoreApplication, so a second start ends before it connects to the
    // display.
    static bool handOff(const QString &serverName, const QByteArray &message, int timeoutMs = 3000);

    // Starts taking messages. A socket left behind by a program that crashed is removed first;
    // false when a live program holds the name.
    bool listen();

signals:
    void messageReceived(const QByteArray &message);

private:
    void accept();

    QString m_serverName;
    int m_listener = -1;
};
