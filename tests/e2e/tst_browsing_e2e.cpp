// SPDX-License-Identifier: GPL-3.0-or-later
// Everyday browsing on the real engine, against pages served on 127.0.0.1: downloads, sign-in,
// certificates, page full screen, pop-up floods, what pages ask of the user, and crashes.
#include "browser/webcontrol/download.h"
#include "browser/webcontrol/qtwebengine/downloadmanager.h"
#include "e2e/enginetestutils.h"

#include <QDir>
#include <QFile>
#include <QSslKey>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <csignal>

using enginetest::loadTimeoutMs;

class TestBrowsingEndToEnd : public QObject, enginetest::EngineFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void attachmentDownload_data();
    void attachmentDownload();
    void basicSignIn_data();
    void basicSignIn();
    void untrustedCertificateNeedsTheUsersYes();
    void pageFullScreenIsEnteredAndLeftWithEsc();
    void popupsWithoutAGestureAreBoundedPerLoad();
    void pageQuestionsAndCrash();
};

void TestBrowsingEndToEnd::init()
{
    start();
}

void TestBrowsingEndToEnd::cleanup()
{
    stop();
}

void TestBrowsingEndToEnd::attachmentDownload_data()
{
    QTest::addColumn<QString>("folder"); // inside the test's folder; "plain" is a file
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QByteArray>("length"); // what the server says it sends, when not all of it
    QTest::addColumn<Download::State>("state");
    QTest::newRow("complete") << QString() << false << QByteArray() << Download::State::Done;
    QTest::newRow("cancelled") << QString() << true << QByteArray() << Download::State::Cancelled;
    QTest::newRow("folderIsAFile")
        << QStringLiteral("plain") << false << QByteArray() << Download::State::Failed;
    QTest::newRow("broken") << QString() << false << QByteArray("\r\nContent-Length: 9000000")
                            << Download::State::Failed;
}

// Only a complete download leaves a file.
void TestBrowsingEndToEnd::attachmentDownload()
{
    QFETCH(QString, folder);
    QFETCH(bool, cancel);
    QFETCH(QByteArray, length);
    const QByteArray body = QByteArray("0123456789abcdefghijklmnopqrstuvwxyz").repeated(90000);
    m_engine->server.serve(QStringLiteral("/data"),
        "Content-Type: application/octet-stream\r\n"
        "Content-Disposition: attachment; filename=\"data.bin\""
            + length,
        body);
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = QDir(dir.filePath(folder)).filePath(QStringLiteral("data.bin"));
    QStringList proposed;
    DownloadManager manager(&m_engine->profile, [&](QWidget *, const QString &proposedPath) {
        proposed.append(proposedPath);
        return std::optional(path);
    });
    Download *download = nullptr;
    connect(&manager, &DownloadManager::started, this, [&](Download *started) {
        download = started;
        if (cancel)
            download->cancel();
    });
    m_web->navigate(m_engine->url(QStringLiteral("/data")));
    QTRY_VERIFY_WITH_TIMEOUT(
        download && download->state() != Download::State::InProgress, loadTimeoutMs);
    QTEST(download->state(), "state");
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    // The user is asked once, even when the engine tries the broken download again.
    QCOMPARE(proposed, QStringList { QDir(downloads).filePath(QStringLiteral("data.bin")) });
    const bool done = download->state() == Download::State::Done;
    QFile saved(path);
    QCOMPARE(saved.open(QIODevice::ReadOnly) && saved.readAll() == body, done);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), done ? 2 : 1);
    QCOMPARE(download->failureReason().isEmpty(), download->state() != Download::State::Failed);
}

void TestBrowsingEndToEnd::basicSignIn_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("wrongFirst"); // a wrong password first: asked again, the name kept
    QTest::addColumn<QString>("shown");
    QTest::newRow("signed in") << true << false << QStringLiteral("Inside");
    QTest::newRow("wrong, then right") << true << true << QStringLiteral("Inside");
    // Cancel shows what the site sends to those who are not signed in.
    QTest::newRow("cancelled") << false << false << QStringLiteral("Sign-in required");
}

void TestBrowsingEndToEnd::basicSignIn()
{
    QFETCH(bool, answer);
    QFETCH(bool, wrongFirst);
    m_engine->server.protect(QStringLiteral("/staff"), "ann:secret");
    QStringList asked;
    connect(m_web, &WebControl::signInRequested, this, [&](WebControl::SignInRequest &request) {
        asked << request.host + u' ' + request.realm + (request.retry ? u' ' + request.user : "");
        request.accepted = answer;
        request.user = QStringLiteral("ann");
        request.password = wrongFirst && asked.size() == 1 ? "wrong" : "secret";
    });
    QVERIFY(load("/staff", QStringLiteral("<html><body>Inside</body></html>")));
    QCOMPARE(
        asked.join(u'|'), wrongFirst ? "127.0.0.1 Staff|127.0.0.1 Staff ann" : "127.0.0.1 Staff");
    QTEST(evaluate(QStringLiteral("document.body.innerText")).toString().trimmed(), "shown");
}

// A site whose certificate signed itself is asked about on every visit; only Yes lets it load.
void TestBrowsingEndToEnd::untrustedCertificateNeedsTheUsersYes()
{
    bool yes = false;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    QFile certificate(QStringLiteral(TEST_DATA_DIR "/tls/localhost.crt"));
    QFile key(QStringLiteral(TEST_DATA_DIR "/tls/localhost.key"));
    QVERIFY(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
    tls.setLocalCertificate(QSslCertificate(&certificate));
    tls.setPrivateKey(QSslKey(&key, QSsl::Rsa));
    LocalHttpServer https;
    QVERIFY(https.listen(tls));
    https.serveHtml(QStringLiteral("/"), QStringLiteral("Secure"));
    QStringList asked;
    connect(m_web, &WebControl::questionAsked, this, [&](WebControl::Question &question) {
        asked << question.text.section(u'\n', 0, 2);
        question.yes = yes;
    });
    QSignalSpy status(m_web, &WebControl::statusTextChanged);
    const QString address = https.url(QStringLiteral("/")).toString();
    for (bool answer : { false, true }) {
        yes = answer;
        QVERIFY(enginetest::navigateAndWait(*m_web, address));
        QCOMPARE(status.last().first().toString().startsWith("Could not load " + address), !yes);
    }
    const QString question = QStringLiteral("The site's security certificate is not trusted...");
    QCOMPARE(asked, QStringList(2, question + QStringLiteral("\n\n127.0.0.1")));
    QCOMPARE(evaluate(QStringLiteral("document.body.innerText")), "Secure");
}

// Only a click of the user may take a page to full screen: a window of its own, left with Esc.
void TestBrowsingEndToEnd::pageFullScreenIsEnteredAndLeftWithEsc()
{
    QVERIFY(load("/video",
        QStringLiteral("<body style='height:400px' onclick='document.body.requestFullscreen()'>")));
    auto *view = qobject_cast<QWebEngineView *>(m_web->widget());
    const QString inFullScreen = QStringLiteral("!!document.fullscreenElement");
    // A page takes clicks only some time after it is shown.
    QTRY_VERIFY_WITH_TIMEOUT(
        (QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, { 100, 100 }),
            evaluate(inFullScreen).toBool()),
        loadTimeoutMs);
    QWidget *screen = QWebEngineView::forPage(m_web->page())->window();
    QVERIFY(screen->objectName() == u"pageFullScreen" && screen->isFullScreen());
    QTest::keyClick(screen, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!evaluate(inFullScreen).toBool(), loadTimeoutMs);
    QCOMPARE(QWebEngineView::forPage(m_web->page()), view);
}

// Without a click or key of the user a page opens at most five windows per load.
void TestBrowsingEndToEnd::popupsWithoutAGestureAreBoundedPerLoad()
{
    int opened = 0;
    connect(m_web, &WebControl::newWindowRequested, this, [&](WebControl::NewWindowRequest &r) {
        r.target = m_engine->newControl();
        ++opened;
    });
    QSignalSpy status(m_web, &WebControl::statusTextChanged);
    for (int load = 1; load <= 2; ++load) {
        QVERIFY(this->load("/flood",
            QStringLiteral(
                "<script>for (let i = 0; i < 8; ++i) window.open('about:blank')</script>")));
        QCOMPARE(opened, 5 * load);
        QCOMPARE(
            status.last().first().toString(), QStringLiteral("Done (3 pop-up windows refused)"));
    }
}

// Page dialogs can be silenced until the next page has loaded, not merely asked for; a permission
// answered No is denied; a killed page says why it stopped.
void TestBrowsingEndToEnd::pageQuestionsAndCrash()
{
    QStringList shown;
    connect(
        m_web, &WebControl::pageDialogRequested, this, [&](WebControl::PageDialogRequest &request) {
            shown << request.text + (request.offerSilence ? QStringLiteral("+") : QString());
            request.accepted = true;
            request.silence = request.offerSilence;
        });
    connect(m_web, &WebControl::questionAsked, this, [&](WebControl::Question &question) {
        shown << question.text;
        question.yes = false;
    });
    QVERIFY(load("/talk", QStringLiteral("<body>t</body>")));
    QCOMPARE(evaluate(QStringLiteral("alert('one'); alert('two'); alert('3'); confirm('4')")),
        QVariant(false));
    QTcpServer silent; // takes the next page's request and never answers it
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    m_web->navigate(QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort()));
    QTRY_VERIFY_WITH_TIMEOUT(silent.hasPendingConnections(), loadTimeoutMs);
    evaluate(QStringLiteral("alert('while leaving')"));
    QCOMPARE(shown, QStringList({ QStringLiteral("one"), QStringLiteral("two+") }));
    QVERIFY(load("/talk2", QStringLiteral("<body>t</body>")));
    QCOMPARE(evaluate(QStringLiteral("confirm('five')")), QVariant(true));
    evaluate(QStringLiteral("Notification.requestPermission().then(p => document.title = p); 0"));
    QTRY_COMPARE_WITH_TIMEOUT(m_web->locationName(), QStringLiteral("denied"), loadTimeoutMs);
    QCOMPARE(shown.last(), QStringLiteral("Allow 127.0.0.1 to use your notifications?"));

    QSignalSpy status(m_web, &WebControl::statusTextChanged);
    QSignalSpy complete(m_web, &WebControl::documentComplete);
    QVERIFY(::kill(pid_t(m_web->page()->renderProcessPid()), SIGKILL) == 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_web->locationName(), QStringLiteral("Page stopped"), loadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!complete.isEmpty(), loadTimeoutMs);
    QCOMPARE(status.last().first().toString(), QStringLiteral("The page stopped: it was killed"));
}

QTEST_MAIN(TestBrowsingEndToEnd)
#include "tst_browsing_e2e.moc"
