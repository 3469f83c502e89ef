// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include "app/core/handoffmessage.h"

#include <QDataStream>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr char acknowledgement = '\x06';
constexpr int headerSize = sizeof(quint32);
// Far more than any list of addresses or files; a longer length is not a message of ours.
constexpr quint32 maxMessageSize = 16 * 1024 * 1024;

std::optional<sockaddr_un> socketAddress(const QString &serverName)
{
    const QByteArray path = QFile::encodeName(serverName);
    sockaddr_un address {};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return std::nullopt;
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    return address;
}

// A connected socket to `address`, or -1.
int connectTo(const sockaddr_un &address)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0
        && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One later start's connection, read as its bytes arrive until the whole message is there; a peer
// that sends a wrong length or goes away is dropped.
class Peer : public QObject
{
public:
    Peer(int fd, std::function<void(const QByteArray &)> deliver, QObject *parent)
        : QObject(parent)
        , m_fd(fd)
        , m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
        , m_deliver(std::move(deliver))
    {
        connect(m_notifier, &QSocketNotifier::activated, this, &Peer::read);
    }
    ~Peer() override { ::close(m_fd); }

private:
    void read()
    {
        char chunk[4096];
        const ssize_t count = ::recv(m_fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count <= 0)
            return finish();
        m_data.append(chunk, count);
        if (m_data.size() < headerSize)
            return;
        quint32 size = 0;
        QDataStream(m_data.first(headerSize)) >> size;
        if (size > maxMessageSize)
            return finish();
        if (m_data.size() < headerSize + qsizetype(size))
            return;
        ::send(m_fd, &acknowledgement, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        const QByteArray message = m_data.sliced(headerSize, size);
        finish();
        m_deliver(message);
    }

    // Heard no more: whoever takes the message may open dialogs, and their event loops must not
    // read this peer again.
    void finish()
    {
        m_notifier->setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier *m_notifier;
    std::function<void(const QByteArray &)> m_deliver;
    QByteArray m_data;
};
} // namespace

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_serverName(serverName)
{
}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    QFile::remove(m_serverName);
}

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
    const std::optional<sockaddr_un> address = socketAddress(serverName);
    const int fd = address ? connectTo(*address) : -1;
    if (fd < 0)
        return false;
    const timeval timeout { timeoutMs / 1000, (timeoutMs % 1000) * 1000 };
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    char answer = 0;
    const bool delivered
        = ::send(fd, framed.constData(), framed.size(), MSG_NOSIGNAL) == framed.size()
        && ::recv(fd, &answer, 1, 0) == 1 && answer == acknowledgement;
    ::close(fd);
    return delivered;
}

bool SingleInstance::listen()
{
    const std::optional<sockaddr_un> address = socketAddress(m_serverName);
    if (!address)
        return false;
    // Listening would replace a live program's socket. A live one takes the connection at once
    // (into its backlog, however busy it is); a socket left by a crash refuses it.
    if (const int live = connectTo(*address); live >= 0) {
        ::close(live);
        return false;
    }
    QFile::remove(m_serverName);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return false;
    if (::bind(m_listener, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) != 0
        || ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(m_listener, 8) != 0) {
        ::close(m_listener);
        m_listener = -1;
        return false;
    }
    auto *notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept()
{
    int fd;
    while ((fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        new Peer(
            fd, [this](const QByteArray &message) { emit messageReceived(message); }, this);
    }
}
