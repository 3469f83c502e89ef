// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-program journeys with the real web engine: the frame, its browser windows and pages that
// open and close windows, against pages served on 127.0.0.1 by the test itself.
#include "app/application.h"
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "browser/toolstoolbar.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "enginetestutils.h"
#include "favourites/favouriteswindow.h"
#include "support/localhttpserver.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <memory>

using enginetest::loadTimeoutMs;

class TestBrowserJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageTitleAndLoadingViews();
    void pageOpensWindow_data();
    void pageOpensWindow();
    void pageClosesItsWindow();
    void firstWindowIsMadeAgainAfterItClosed();
    void favouritesWindowIsReusedUntilClosed();
    void sourceCodeGivesAnUntitledChangedPad();
    void handedOverAddressesAndFilesOpenInNewWindows();
    void frameYesEndsWithoutAskingForThePad();

private:
    QList<BrowserWindow *> browserWindows() const;
    BrowserWindow *activeWindow() const;
    template <typename Window> static QList<Window *> topLevels();
    void load(BrowserWindow *window, const char *path);

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

template <typename Window> QList<Window *> TestBrowserJourneys::topLevels()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget))
            windows.append(window);
    }
    return windows;
}

void TestBrowserJourneys::load(BrowserWindow *window, const char *path)
{
    QVERIFY(enginetest::navigateAndWait(
        *window->webControl(), m_server.url(QLatin1String(path)).toString()));
}

void TestBrowserJourneys::initTestCase()
{
    QVERIFY(m_server.listen());
    m_server.serveHtml(QStringLiteral("/news.html"),
        QStringLiteral("<title>News</title><body><p>Today</p><img src='/slow.png'></body>"));
    m_server.serve(QStringLiteral("/slow.png"), "image/png", QByteArray(), 1500);
    m_server.serveHtml(QStringLiteral("/popup.html"), QStringLiteral("<title>Popup</title>pop"));
    m_server.serveHtml(QStringLiteral("/opener.html"),
        QStringLiteral("<title>Opener</title><body>\n"
                       "<a id='link' href='/popup.html' target='_blank'>new</a></body>"));
    m_server.serveHtml(QStringLiteral("/closer.html"),
        QStringLiteral("<script>setTimeout(function(){ window.close(); }, 100);</script>"));
}

void TestBrowserJourneys::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<QWebEngineProfile>();
    m_application = std::make_unique<Application>(m_dir->path() + u'/', m_profile.get());
    QSignalSpy loaded(m_application.get(), &Application::pagesLoaded);
    m_application->start();
    QVERIFY(loaded.wait(loadTimeoutMs));
    QCOMPARE(browserWindows().size(), 1);
    m_first = browserWindows().first();
    QCOMPARE(m_first->windowTitle(), QStringLiteral("about:blank - Orbello's Web Viewer"));
}

void TestBrowserJourneys::cleanup()
{
    m_application.reset();
    m_profile.reset();
}

void TestBrowserJourneys::pageTitleAndLoadingViews()
{
    auto *bar = m_first->findChild<QProgressBar *>(QStringLiteral("probar"));
    auto *box = m_first->findChild<QComboBox *>(QStringLiteral("text2"));
    m_first->webControl()->navigate(m_server.url(QStringLiteral("/news.html")).toString());
    // The slow picture keeps the page loading long enough to see the progress view.
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible() && !box->isVisible(), loadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        m_first->windowTitle(), QStringLiteral("News - Orbello's Web Viewer"), loadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        box->currentText(), m_server.url(QStringLiteral("/news.html")).toString(), loadTimeoutMs);
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
    QTest::newRow("link, blocked") << link << false << true;
}

void TestBrowserJourneys::pageOpensWindow()
{
    QFETCH(QString, how);
    QFETCH(bool, background);
    QFETCH(bool, blocking);
    load(m_first, "/opener.html");
    if (background)
        m_first->menus().opnewb->trigger();
    if (blocking)
        m_first->findChild<ToolsToolbar *>()->entry(ToolsToolbar::AntiPopups)->trigger();

    enginetest::evaluate(qobject_cast<WebEngineControl *>(m_first->webControl())->page(), how);
    QTRY_COMPARE_WITH_TIMEOUT(browserWindows().size(), 2, loadTimeoutMs);
    BrowserWindow *popup = browserWindows().at(1);
    // The page loads in the new window whatever happens to the window itself.
    QTRY_COMPARE_WITH_TIMEOUT(
        popup->webControl()->locationName(), QStringLiteral("Popup"), loadTimeoutMs);
    QCOMPARE(popup->frameWidget()->isVisible(), !blocking);
    QCOMPARE(activeWindow(), background || blocking ? m_first : popup);
    load(m_first, "/news.html"); // blocking leaves the opener's own navigations alone
    QVERIFY(m_first->frameWidget()->isVisible());
}

void TestBrowserJourneys::pageClosesItsWindow()
{
    QPointer<QWidget> closer
        = m_application->openBrowserWindow(m_server.url(QStringLiteral("/closer.html")).toString());
    QTRY_VERIFY_WITH_TIMEOUT(closer.isNull(), loadTimeoutMs);
    QCOMPARE(browserWindows(), QList<BrowserWindow *> { m_first });
}

void TestBrowserJourneys::firstWindowIsMadeAgainAfterItClosed()
{
    QCOMPARE(m_application->showFirstBrowserWindow(), m_first);
    QPointer<BrowserWindow> first = m_first;
    emit m_first->webControl()->closeRequested();
    QTRY_VERIFY(first.isNull());
    QWidget *again = m_application->showFirstBrowserWindow();
    QVERIFY(again);
    QCOMPARE(browserWindows(), QList<BrowserWindow *> { static_cast<BrowserWindow *>(again) });
    QVERIFY(again->isVisible());
}

void TestBrowserJourneys::favouritesWindowIsReusedUntilClosed()
{
    m_application->showFavourites(QStringLiteral("a"), QStringLiteral("http://a/"));
    m_application->showFavourites(QStringLiteral("b"), QStringLiteral("http://b/"));
    QCOMPARE(topLevels<FavouritesWindow>().size(), 1);
    QPointer<FavouritesWindow> first = topLevels<FavouritesWindow>().first();
    first->close();
    QTRY_VERIFY(first.isNull());
    m_application->showFavourites(QStringLiteral("c"), QStringLiteral("http://c/"));
    QCOMPARE(topLevels<FavouritesWindow>().size(), 1);
    QVERIFY(topLevels<FavouritesWindow>().first()->isVisible());
}

// The second window closes before its page answers; only the first window's request opens a pad.
void TestBrowserJourneys::sourceCodeGivesAnUntitledChangedPad()
{
    load(m_first, "/opener.html");
    auto *second = static_cast<BrowserWindow *>(m_application->openBrowserWindow());
    second->menus().ss->trigger();
    delete second->frameWidget();
    m_first->menus().ss->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(topLevels<TextPadWindow>().size(), 1, loadTimeoutMs);
    TextPadWindow *pad = topLevels<TextPadWindow>().first();
    QVERIFY(pad->isVisible());
    QCOMPARE(pad->windowTitle(), QStringLiteral("Orbello's Quillstep"));
    QVERIFY(!pad->isSaved());
    QVERIFY(pad->document()->text().contains(QStringLiteral("id=\"link\"")));
    QVERIFY(pad->document()->text().contains(QStringLiteral("\r\n")));
}

void TestBrowserJourneys::handedOverAddressesAndFilesOpenInNewWindows()
{
    const QString news = m_server.url(QStringLiteral("/news.html")).toString();
    QSignalSpy loaded(m_application.get(), &Application::pagesLoaded);
    m_application->frame()->showMinimized();
    m_application->open({ StartRequest::Kind::Browse, { news } });
    QVERIFY(loaded.wait(loadTimeoutMs));
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
    QCOMPARE(topLevels<TextPadWindow>().size(), 1);
    QCOMPARE(topLevels<TextPadWindow>().first()->fileName(), file);
    QCOMPARE(
        topLevels<TextPadWindow>().first()->document()->text(), QStringLiteral("from outside"));
}

// The frame's Yes ends the program at once: the pad's unsaved text is neither asked about nor
// written anywhere.
void TestBrowserJourneys::frameYesEndsWithoutAskingForThePad()
{
    m_application->openTextPad(QStringLiteral("unsaved words"));
    QStringList asked;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked.append(box->text());
            box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->click() : box->reject();
        }
    });
    answerer.start(50);
    QEventLoop loop;
    QTimer::singleShot(0, m_application->frame(), &QWidget::close);
    QTimer::singleShot(loadTimeoutMs, &loop, [&] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
    QCOMPARE(asked, QStringList { QStringLiteral("Are you sure you want to close all windows?") });
    m_application.reset();
    QCOMPARE(asked.size(), 1);
    QVERIFY(QDir(m_dir->path())
                .entryList({ QStringLiteral("*.txt"), QStringLiteral("*.rtf") }, QDir::Files)
                .isEmpty());
}

QTEST_MAIN(TestBrowserJourneys)
#include "tst_browserjourneys.moc"
