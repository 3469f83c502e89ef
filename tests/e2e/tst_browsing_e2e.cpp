// SPDX-License-Identifier: GPL-3.0-or-later
// Everyday browsing on the real engine, against pages served on 127.0.0.1: downloads, sign-in,
// page full screen and permissions.
#include "browser/webcontrol/download.h"
#include "browser/webcontrol/qtwebengine/deferredprofile.h"
#include "browser/webcontrol/qtwebengine/downloadmanager.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "e2e/enginetestutils.h"
#include "support/localhttpserver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <csignal>
#include <memory>

using enginetest::evaluate;
using enginetest::loadTimeoutMs;

class TestBrowsingEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void attachmentDownload_data();
    void attachmentDownload();
    void basicSignIn_data();
    void basicSignIn();
    void untrustedCertificateNeedsTheUsersYes_data();
    void untrustedCertificateNeedsTheUsersYes();
    void pageFullScreenIsEnteredAndLeftWithEsc();
    void permissionAnsweredNoIsDenied();
    void popupsWithoutAGestureAreBoundedPerLoad();
    void failedLoadSaysWhatFailed();
    void silencedPageDialogsAnswerAtOnce();
    void killedPageShowsWhyItStopped();

private:
    bool load(const QString &path, const QString &html);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<DeferredProfile> m_deferredProfile;
    std::unique_ptr<WebEngineControl> m_web;
};

void TestBrowsingEndToEnd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_profile = std::make_unique<QWebEngineProfile>();
    m_deferredProfile = std::make_unique<DeferredProfile>(m_profile.get());
    m_web = std::make_unique<WebEngineControl>(*m_deferredProfile);
    m_web->widget()->resize(640, 480);
    m_web->widget()->show();
}

void TestBrowsingEndToEnd::cleanup()
{
    // Pages go before their profile.
    m_web.reset();
    m_deferredProfile.reset();
    m_profile.reset();
    m_server.reset();
    m_dir.reset();
}

void TestBrowsingEndToEnd::attachmentDownload_data()
{
    QTest::addColumn<QString>("folder"); // inside the test's folder
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<Download::State>("state");
    QTest::newRow("complete") << QString() << false << Download::State::Done;
    QTest::newRow("cancelled") << QString() << true << Download::State::Cancelled;
    QTest::newRow("folderIsAFile") << QStringLiteral("plain") << false << Download::State::Failed;
}

void TestBrowsingEndToEnd::attachmentDownload()
{
    QFETCH(QString, folder);
    QFETCH(bool, cancel);
    QByteArray body(3 * 1024 * 1024, '\0');
    for (int i = 0; i < body.size(); ++i)
        body[i] = char(i * 7 % 251);
    m_server->serveAttachment(QStringLiteral("/data"), QStringLiteral("data.bin"), body);
    QFile plain(m_dir->filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = QDir(m_dir->filePath(folder)).filePath(QStringLiteral("data.bin"));

    QString proposed;
    DownloadManager manager(m_profile.get(), [&](QWidget *, const QString &proposedPath) {
        proposed = proposedPath;
        return std::optional<QString>(path);
    });
    Download *download = nullptr;
    connect(&manager, &DownloadManager::started, this, [&](Download *started) {
        download = started;
        if (cancel)
            download->cancel();
    });
    m_web->navigate(m_server->url(QStringLiteral("/data")).toString());
    QTRY_VERIFY_WITH_TIMEOUT(
        download && download->state() != Download::State::InProgress, loadTimeoutMs);

    QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("data.bin"));
    QTEST(download->state(), "state");
    const QStringList left = QDir(m_dir->path()).entryList(QDir::Files);
    if (download->state() == Download::State::Done) {
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll() == body);
        QCOMPARE(left, QStringList({ QStringLiteral("data.bin"), QStringLiteral("plain") }));
    } else {
        QCOMPARE(left, QStringList { QStringLiteral("plain") });
    }
    QCOMPARE(download->failureReason().isEmpty(), download->state() != Download::State::Failed);
}

bool TestBrowsingEndToEnd::load(const QString &path, const QString &html)
{
    m_server->serveHtml(path, html);
    return enginetest::navigateAndWait(*m_web, m_server->url(path).toString());
}

void TestBrowsingEndToEnd::basicSignIn_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("signed in") << true << QStringLiteral("Inside");
    // Cancel shows what the site sends to those who are not signed in.
    QTest::newRow("cancelled") << false << QStringLiteral("Sign-in required");
}

void TestBrowsingEndToEnd::basicSignIn()
{
    QFETCH(bool, answer);
    m_server->serveHtml(QStringLiteral("/staff"),
        QStringLiteral("<html><head><title>Inside</title></head><body>Inside</body></html>"));
    m_server->protect(QStringLiteral("/staff"), "ann:secret");
    QStringList asked;
    connect(
        m_web.get(), &WebControl::signInRequested, this, [&](WebControl::SignInRequest &request) {
            asked << request.host + u' ' + request.realm;
            request.accepted = answer;
            request.user = QStringLiteral("ann");
            request.password = QStringLiteral("secret");
        });
    QVERIFY(
        enginetest::navigateAndWait(*m_web, m_server->url(QStringLiteral("/staff")).toString()));
    QCOMPARE(asked, QStringList { QStringLiteral("127.0.0.1 Staff") });
    QTEST(evaluate(m_web->page(), QStringLiteral("document.body.innerText")).toString().trimmed(),
        "shown");
}

void TestBrowsingEndToEnd::untrustedCertificateNeedsTheUsersYes_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("allowed") << true;
    QTest::newRow("refused") << false;
}

void TestBrowsingEndToEnd::untrustedCertificateNeedsTheUsersYes()
{
    QFETCH(bool, yes);
    // A site whose certificate signed itself.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    QFile certificate(QStringLiteral(TEST_DATA_DIR "/tls/localhost.crt"));
    QFile key(QStringLiteral(TEST_DATA_DIR "/tls/localhost.key"));
    QVERIFY(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
    tls.setLocalCertificate(QSslCertificate(&certificate));
    tls.setPrivateKey(QSslKey(&key, QSsl::Rsa));
    QSslServer https;
    https.setSslConfiguration(tls);
    QVERIFY(https.listen(QHostAddress::LocalHost));
    connect(&https, &QTcpServer::pendingConnectionAvailable, this, [&https] {
        while (QTcpSocket *socket = https.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 6\r\n"
                              "Connection: close\r\n\r\nSecure");
                socket->disconnectFromHost();
            });
        }
    });
    QStringList asked;
    connect(m_web.get(), &WebControl::questionAsked, this, [&](WebControl::Question &question) {
        asked << question.text.section(u'\n', 0, 2);
        question.yes = yes;
    });
    QSignalSpy status(m_web.get(), &WebControl::statusTextChanged);
    const QString address = QStringLiteral("https://127.0.0.1:%1/").arg(https.serverPort());
    QVERIFY(enginetest::navigateAndWait(*m_web, address));
    QCOMPARE(asked,
        QStringList { QStringLiteral("The site's security certificate is not trusted...\n\n"
                                     "127.0.0.1") });
    QCOMPARE(status.last().first().toString().startsWith(u"Could not load"), !yes);
    if (yes)
        QCOMPARE(evaluate(m_web->page(), QStringLiteral("document.body.innerText")), "Secure");
}

void TestBrowsingEndToEnd::pageFullScreenIsEnteredAndLeftWithEsc()
{
    QVERIFY(load(QStringLiteral("/video"),
        QStringLiteral(
            "<html><body style='margin:0'><button id='b' style='width:100%;height:400px'"
            " onclick='clicked=1; document.documentElement.requestFullscreen()'>Full</button>"
            "</body></html>")));
    auto *view = qobject_cast<QWebEngineView *>(m_web->widget());
    QVERIFY(QTest::qWaitForWindowExposed(view));
    // Only a click of the user may take a page to full screen. A page takes clicks only some time
    // after it is shown.
    QTRY_VERIFY_WITH_TIMEOUT(
        (QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(100, 100)),
            evaluate(m_web->page(), QStringLiteral("typeof clicked != 'undefined'")).toBool()),
        loadTimeoutMs);
    QWidget *screen = nullptr;
    auto findScreen = [&screen] {
        const auto windows = QApplication::topLevelWidgets();
        auto found = std::find_if(windows.begin(), windows.end(),
            [](QWidget *window) { return window->objectName() == u"pageFullScreen"; });
        screen = found == windows.end() ? nullptr : *found;
        return screen && screen->isVisible() && screen->isFullScreen();
    };
    QTRY_VERIFY_WITH_TIMEOUT(findScreen(), loadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(m_web->page(), QStringLiteral("!!document.fullscreenElement")).toBool(),
        loadTimeoutMs);
    QTest::keyClick(screen, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(
        !evaluate(m_web->page(), QStringLiteral("!!document.fullscreenElement")).toBool(),
        loadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(view->page() == m_web->page(), loadTimeoutMs);
}

void TestBrowsingEndToEnd::permissionAnsweredNoIsDenied()
{
    QVERIFY(load(QStringLiteral("/notify"), QStringLiteral("<html><body>n</body></html>")));
    QStringList asked;
    connect(m_web.get(), &WebControl::questionAsked, this, [&](WebControl::Question &question) {
        asked << question.text;
        question.yes = false;
    });
    evaluate(m_web->page(),
        QStringLiteral("Notification.requestPermission().then(p => document.title = p); 0"));
    QTRY_COMPARE_WITH_TIMEOUT(m_web->locationName(), QStringLiteral("denied"), loadTimeoutMs);
    QCOMPARE(asked, QStringList { QStringLiteral("Allow 127.0.0.1 to use your notifications?") });
}

void TestBrowsingEndToEnd::popupsWithoutAGestureAreBoundedPerLoad()
{
    std::vector<std::unique_ptr<WebEngineControl>> opened;
    connect(m_web.get(), &WebControl::newWindowRequested, this,
        [&](WebControl::NewWindowRequest &request) {
            opened.push_back(std::make_unique<WebEngineControl>(*m_deferredProfile));
            request.target = opened.back().get();
        });
    QSignalSpy status(m_web.get(), &WebControl::statusTextChanged);
    QVERIFY(load(QStringLiteral("/flood"),
        QStringLiteral("<html><body><script>for (let i = 0; i < 8; ++i) window.open('about:blank');"
                       "</script></body></html>")));
    QCOMPARE(int(opened.size()), 5);
    QCOMPARE(status.last().first().toString(), QStringLiteral("Done (3 pop-up windows refused)"));
    opened.clear();
}

void TestBrowsingEndToEnd::failedLoadSaysWhatFailed()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();
    QSignalSpy status(m_web.get(), &WebControl::statusTextChanged);
    QVERIFY(enginetest::navigateAndWait(*m_web, address));
    QVERIFY2(
        status.last().first().toString().startsWith(QStringLiteral("Could not load ") + address),
        qPrintable(status.last().first().toString()));
}

void TestBrowsingEndToEnd::silencedPageDialogsAnswerAtOnce()
{
    QVERIFY(load(QStringLiteral("/talk"), QStringLiteral("<html><body>t</body></html>")));
    QStringList shown;
    connect(m_web.get(), &WebControl::pageDialogRequested, this,
        [&](WebControl::PageDialogRequest &request) {
            shown << request.text + (request.offerSilence ? QStringLiteral("+") : QString());
            request.accepted = true;
            request.silence = request.offerSilence;
        });
    const QVariant confirmed = evaluate(m_web->page(),
        QStringLiteral("alert('one'); alert('two'); alert('three'); confirm('four')"));
    QCOMPARE(shown, QStringList({ QStringLiteral("one"), QStringLiteral("two+") }));
    QCOMPARE(confirmed, QVariant(false));
    // Until the page navigates.
    QVERIFY(load(QStringLiteral("/talk2"), QStringLiteral("<html><body>t</body></html>")));
    QCOMPARE(evaluate(m_web->page(), QStringLiteral("confirm('five')")), QVariant(true));
}

void TestBrowsingEndToEnd::killedPageShowsWhyItStopped()
{
    QVERIFY(load(QStringLiteral("/doomed"),
        QStringLiteral("<html><head><title>Doomed</title></head><body>d</body></html>")));
    QSignalSpy status(m_web.get(), &WebControl::statusTextChanged);
    QSignalSpy complete(m_web.get(), &WebControl::documentComplete);
    QVERIFY(::kill(pid_t(m_web->page()->renderProcessPid()), SIGKILL) == 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_web->locationName(), QStringLiteral("Page stopped"), loadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!complete.isEmpty(), loadTimeoutMs);
    QCOMPARE(status.last().first().toString(), QStringLiteral("The page stopped: it was killed"));
}

QTEST_MAIN(TestBrowsingEndToEnd)
#include "tst_browsing_e2e.moc"
