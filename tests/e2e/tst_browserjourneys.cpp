// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-program journeys with the real web engine: the frame, its browser windows and pages that
// open and close windows, against pages served on 127.0.0.1 by the test itself.
#include "app/application.h"
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "browser/toolstoolbar.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "enginetestutils.h"
#include "support/localhttpserver.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <memory>

class TestBrowserJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithOneBlankWindow();
    void pageTitleAndLoadingViews();
    void pageOpensWindow_data();
    void pageOpensWindow();
    void windowOpenedByBlockingOpenerDoesNotBlock();
    void pageClosesItsWindow();
    void handedOverAddressesAndFilesOpenInNewWindows();

private:
    QList<BrowserWindow *> browserWindows() const;
    BrowserWindow *activeWindow() const;
    static WebEngineControl *engine(BrowserWindow *window);

    LocalHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<Application> m_application;
    BrowserWindow *m_first = nullptr;
};

QList<BrowserWindow *> TestBrowserJourneys::browserWindows() const
{
    QList<BrowserWindow *> windows;
    for (QMdiSubWindow *subWindow : m_application->frame()->mdiArea()->subWindowList())
        windows.append(qobject_cast<BrowserWindow *>(subWindow->widget()));
    return windows;
}

BrowserWindow *TestBrowserJourneys::activeWindow() const
{
    QMdiSubWindow *active = m_application->frame()->mdiArea()->activeSubWindow();
    return active ? qobject_cast<BrowserWindow *>(active->widget()) : nullptr;
}

WebEngineControl *TestBrowserJourneys::engine(BrowserWindow *window)
{
    return qobject_cast<WebEngineControl *>(window->webControl());
}

void TestBrowserJourneys::initTestCase()
{
    QVERIFY(m_server.listen());
    m_server.serveHtml(QStringLiteral("/news.html"),
        QStringLiteral("<html><head><title>News</title></head>"
                       "<body><p>Today</p><img src='/slow.png'></body></html>"));
    m_server.serve(QStringLiteral("/slow.png"), "image/png", QByteArray(), 1500);
    m_server.serveHtml(QStringLiteral("/popup.html"),
        QStringLiteral("<html><head><title>Popup</title></head><body>pop</body></html>"));
    m_server.serveHtml(QStringLiteral("/opener.html"),
        QStringLiteral("<html><head><title>Opener</title></head><body>"
                       "<a id='link' href='/popup.html' target='_blank'>new</a>"
                       "</body></html>"));
    m_server.serveHtml(QStringLiteral("/closer.html"),
        QStringLiteral("<html><head><title>Closer</title></head><body>"
                       "<script>setTimeout(function(){ window.close(); }, 100);</script>"
                       "</body></html>"));
}

void TestBrowserJourneys::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<QWebEngineProfile>();
    m_application = std::make_unique<Application>(m_dir->path() + u'/', m_profile.get());
    QSignalSpy loaded(m_application.get(), &Application::pagesLoaded);
    m_application->start();
    QVERIFY(loaded.wait(enginetest::loadTimeoutMs));
    m_first = browserWindows().value(0);
    QVERIFY(m_first);
}

void TestBrowserJourneys::cleanup()
{
    m_application.reset();
    m_profile.reset();
}

void TestBrowserJourneys::startsWithOneBlankWindow()
{
    QVERIFY(m_application->frame()->isVisible());
    QCOMPARE(browserWindows().size(), 1);
    QVERIFY(!m_first->frameWidget()->isMinimized());
    QCOMPARE(m_first->webControl()->locationUrl(), QStringLiteral("about:blank"));
    // A page without a title of its own is named by its address.
    QCOMPARE(m_first->windowTitle(), QStringLiteral("about:blank - Orbello's Web Viewer"));
}

void TestBrowserJourneys::pageTitleAndLoadingViews()
{
    auto *bar = m_first->findChild<QProgressBar *>(QStringLiteral("probar"));
    auto *box = m_first->findChild<QComboBox *>(QStringLiteral("text2"));
    m_first->webControl()->navigate(m_server.url(QStringLiteral("/news.html")).toString());
    // The slow picture keeps the page loading long enough to see the progress view.
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && !box->isVisible(), enginetest::loadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_first->windowTitle(), QStringLiteral("News - Orbello's Web Viewer"),
        enginetest::loadTimeoutMs);
    // The address comes into the box when the page completes.
    QTRY_COMPARE_WITH_TIMEOUT(box->currentText(),
        m_server.url(QStringLiteral("/news.html")).toString(), enginetest::loadTimeoutMs);
    QVERIFY(!bar->isVisible() && box->isVisible());
}

void TestBrowserJourneys::pageOpensWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("blocking");
    const QString script = QStringLiteral("window.open('/popup.html'); true");
    const QString link = QStringLiteral("document.getElementById('link').click(); true");
    QTest::newRow("script, in front") << script << false << false;
    QTest::newRow("link, in front") << link << false << false;
    QTest::newRow("script, in background") << script << true << false;
    QTest::newRow("script, blocked") << script << false << true;
    QTest::newRow("link, blocked") << link << false << true;
}

void TestBrowserJourneys::pageOpensWindow()
{
    QFETCH(QString, how);
    QFETCH(bool, background);
    QFETCH(bool, blocking);
    QVERIFY(enginetest::navigateAndWait(
        *m_first->webControl(), m_server.url(QStringLiteral("/opener.html")).toString()));
    if (background)
        m_first->menus().opnewb->trigger();
    if (blocking)
        m_first->findChild<ToolsToolbar *>(QStringLiteral("tbar2"))
            ->entry(ToolsToolbar::AntiPopups)
            ->trigger();

    enginetest::evaluate(engine(m_first)->page(), how);
    QTRY_COMPARE_WITH_TIMEOUT(browserWindows().size(), 2, enginetest::loadTimeoutMs);
    BrowserWindow *popup = browserWindows().at(1);
    // The page loads in the new window whatever happens to the window itself.
    QTRY_COMPARE_WITH_TIMEOUT(
        popup->webControl()->locationName(), QStringLiteral("Popup"), enginetest::loadTimeoutMs);
    QCOMPARE(popup->frameWidget()->isVisible(), !blocking);
    if (!blocking)
        QCOMPARE(activeWindow(), background ? m_first : popup);
    // The opener's own navigations are not affected by its blocking.
    QVERIFY(enginetest::navigateAndWait(
        *m_first->webControl(), m_server.url(QStringLiteral("/news.html")).toString()));
    QVERIFY(m_first->frameWidget()->isVisible());
}

void TestBrowserJourneys::windowOpenedByBlockingOpenerDoesNotBlock()
{
    QVERIFY(enginetest::navigateAndWait(
        *m_first->webControl(), m_server.url(QStringLiteral("/opener.html")).toString()));
    m_first->findChild<ToolsToolbar *>(QStringLiteral("tbar2"))
        ->entry(ToolsToolbar::AntiPopups)
        ->trigger();
    enginetest::evaluate(
        engine(m_first)->page(), QStringLiteral("window.open('/opener.html'); true"));
    QTRY_COMPARE_WITH_TIMEOUT(browserWindows().size(), 2, enginetest::loadTimeoutMs);
    BrowserWindow *blocked = browserWindows().at(1);
    QVERIFY(!blocked->popupBlocking());
    QTRY_COMPARE_WITH_TIMEOUT(
        blocked->webControl()->locationName(), QStringLiteral("Opener"), enginetest::loadTimeoutMs);
    enginetest::evaluate(
        engine(blocked)->page(), QStringLiteral("window.open('/popup.html'); true"));
    QTRY_COMPARE_WITH_TIMEOUT(browserWindows().size(), 3, enginetest::loadTimeoutMs);
    QVERIFY(browserWindows().at(2)->frameWidget()->isVisible());
}

void TestBrowserJourneys::pageClosesItsWindow()
{
    QVERIFY(enginetest::navigateAndWait(
        *m_first->webControl(), m_server.url(QStringLiteral("/opener.html")).toString()));
    enginetest::evaluate(
        engine(m_first)->page(), QStringLiteral("window.open('/closer.html'); true"));
    QTRY_COMPARE_WITH_TIMEOUT(browserWindows().size(), 2, enginetest::loadTimeoutMs);
    QPointer<BrowserWindow> closer = browserWindows().at(1);
    // window.close() from the page unloads its window.
    QTRY_VERIFY_WITH_TIMEOUT(closer.isNull(), enginetest::loadTimeoutMs);
    QCOMPARE(browserWindows().size(), 1);
}

void TestBrowserJourneys::handedOverAddressesAndFilesOpenInNewWindows()
{
    const QString news = m_server.url(QStringLiteral("/news.html")).toString();
    QSignalSpy loaded(m_application.get(), &Application::pagesLoaded);
    m_application->frame()->showMinimized();
    m_application->open({ StartRequest::Kind::Browse, { news } });
    QVERIFY(loaded.wait(enginetest::loadTimeoutMs));
    QCOMPARE(browserWindows().size(), 2);
    QCOMPARE(browserWindows().at(1)->webControl()->locationUrl(), news);
    QVERIFY(!m_application->frame()->isMinimized());
    // Addresses from outside were not typed, so the typed-address history does not get them.
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("history.txt"))));

    const QString file = m_dir->filePath(QStringLiteral("note.txt"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write("from outside") > 0);
    out.close();
    m_application->open({ StartRequest::Kind::Pad, { file } });
    QList<TextPadWindow *> pads;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *pad = qobject_cast<TextPadWindow *>(window); pad && pad->isVisible())
            pads.append(pad);
    }
    QCOMPARE(pads.size(), 1);
    QCOMPARE(pads.first()->fileName(), file);
    QCOMPARE(pads.first()->document()->text(), QStringLiteral("from outside"));
}

QTEST_MAIN(TestBrowserJourneys)
#include "tst_browserjourneys.moc"
