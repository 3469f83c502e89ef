// SPDX-License-Identifier: GPL-3.0-or-later
// A second start of the real program hands its arguments to the running one (this test) and ends.
#include "app/core/handoffmessage.h"
#include "app/singleinstance.h"
#include "support/localhttpserver.h"

#include <QtTest>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

Q_DECLARE_METATYPE(StartRequest)

namespace {
sockaddr_un addressOf(const QString &serverName)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(serverName).constData(), sizeof address.sun_path);
    return address;
}

// What a program that crashed leaves behind: a socket file nobody listens on.
void leaveStaleSocket(const QString &serverName)
{
    const sockaddr_un address = addressOf(serverName);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
}

// A connection to `serverName` that has sent `bytes`.
int connectAndSend(const QString &serverName, const QByteArray &bytes)
{
    const sockaddr_un address = addressOf(serverName);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    ::send(fd, bytes.constData(), bytes.size(), 0);
    return fd;
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartHandsOver_data()
    {
        QTest::addColumn<bool>("stale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QList<StartRequest>>("received");
        using Kind = StartRequest::Kind;
        const StartRequest address { Kind::Browse, { QStringLiteral("http://example.org") } };
        QTest::newRow("after a crash")
            << true << QStringList { QStringLiteral("example.org") } << 0 << QList { address };
        QTest::newRow("unknown option")
            << false << QStringList { QStringLiteral("--bogus") } << 2 << QList<StartRequest>();
    }

    void secondStartHandsOver()
    {
        QFETCH(bool, stale);
        QFETCH(QStringList, arguments);
        // A copy of the program in a directory of its own has a data directory, and so a socket
        // name, of its own.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("webviewer"));
        QVERIFY(QFile::copy(QStringLiteral(WEBVIEWER_PROGRAM), program));
        const QString name = SingleInstance::serverNameFor(dir.path() + u'/');
        if (stale)
            leaveStaleSocket(name);

        SingleInstance running(name);
        QVERIFY(running.listen());
        QVERIFY(!SingleInstance(name).listen()); // a live program keeps its name
        QSignalSpy messages(&running, &SingleInstance::messageReceived);
        QProcess second;
        second.setWorkingDirectory(dir.path());
        QSignalSpy finished(&second, &QProcess::finished);
        second.start(program, arguments);
        QVERIFY(finished.wait(20000));
        QTEST(second.exitCode(), "exitCode");

        QList<StartRequest> requests;
        for (const QList<QVariant> &message : messages)
            requests.append(
                decodeStartRequest(message.at(0).toByteArray()).value_or(StartRequest {}));
        QTEST(requests, "received");
    }

    // Peers that claim an impossible length or hang up half-way are dropped; the next is heard,
    // and the socket goes with the program.
    void brokenPeersAreDropped()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("socket"));
        auto running = std::make_unique<SingleInstance>(name);
        QVERIFY(running->listen());
        QSignalSpy messages(running.get(), &SingleInstance::messageReceived);
        ::close(connectAndSend(name, QByteArray::fromHex("0000000a616263"))); // 3 bytes of 10
        const int greedy = connectAndSend(name, QByteArray::fromHex("ffffffff"));
        char byte = 0;
        QTRY_COMPARE(::recv(greedy, &byte, 1, MSG_DONTWAIT), 0); // hung up on
        ::close(greedy);
        std::future<bool> handedOff = std::async(std::launch::async,
            [name] { return SingleInstance::handOff(name, QByteArrayLiteral("hello")); });
        QVERIFY(messages.wait());
        QVERIFY(handedOff.get());
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.value(0).value(0).toByteArray(), QByteArrayLiteral("hello"));
        running.reset();
        QVERIFY(!QFile::exists(name));
    }

    // Given an address, the program draws its frame first, then loads its engine module (found
    // beside it) and the page.
    void startLoadsTheGivenPage()
    {
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.serveHtml(QStringLiteral("/start.html"), QStringLiteral("<title>Start</title>"));
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("webviewer"));
        QVERIFY(QFile::copy(QStringLiteral(WEBVIEWER_PROGRAM), program));
        QVERIFY(QFile::copy(QStringLiteral(WEBVIEWER_ENGINE_MODULE),
            dir.filePath(QFileInfo(QStringLiteral(WEBVIEWER_ENGINE_MODULE)).fileName())));
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WEBVIEWER_PROBE"), QStringLiteral("quit"));
        environment.insert(QStringLiteral("HOME"), dir.path());
        run.setProcessEnvironment(environment);
        QSignalSpy finished(&run, &QProcess::finished);
        run.start(program, { server.url(QStringLiteral("/start.html")).toString() });
        QVERIFY(finished.wait(30000));
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(run.readAllStandardOutput(), QByteArray("painted\nready\n"));
        QCOMPARE(server.requestedPaths().value(0), QStringLiteral("/start.html"));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
