// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-program journeys with the real web engine: the frame, its browser windows and pages that
// open and close windows, against pages served on 127.0.0.1 by the test itself.
#include "app/application.h"
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "browser/toolstoolbar.h"
#include "browser/webcontrol/qtwebengine/qtpageengine.h"
#include "e2e/enginetestutils.h"
#include "favourites/favouriteswindow.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

using enginetest::loadTimeoutMs;

class TestBrowserJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageOpensWindow_data();
    void pageOpensWindow();
    void windowsAreMadeAgainOnlyAfterTheyClosed();
    void aStartForPadsEndsWithItsLastPad();
    void outsideRequestsSourceCodeAndTheFramesYes();

private:
    QList<BrowserWindow *> browserWindows() const;
    template <typename Window> static QList<Window *> topLevels();
    QString url(const char *path) const { return m_server.url(QLatin1String(path)).toString(); }
    void load(BrowserWindow *window, const char *path)
    {
        QVERIFY(enginetest::navigateAndWait(*window->webControl(), url(path)));
    }

    LocalHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
    QWebEngineProfile m_profile; // off the record, for every run of the program
    QtPageEngine m_engine { &m_profile, {} };
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

template <typename Window> QList<Window *> TestBrowserJourneys::topLevels()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget))
            windows.append(window);
    }
    return windows;
}

void TestBrowserJourneys::initTestCase()
{
    QVERIFY(m_server.listen());
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
    m_application = std::make_unique<Application>(m_dir->path() + u'/', &m_engine);
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
}

void TestBrowserJourneys::pageOpensWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("blocking");
    const QString script = QStringLiteral("window.open('/popup.html'); true");
    const QString link = QStringLiteral("document.getElementById('link').click(); true");
    QTest::newRow("script, in front") << script << false << false;
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
        popup->windowTitle(), QStringLiteral("Popup - Orbello's Web Viewer"), loadTimeoutMs);
    QCOMPARE(popup->frameWidget()->isVisible(), !blocking);
    QMdiSubWindow *active = m_application->frame()->mdiArea()->activeSubWindow();
    QCOMPARE(active->widget(), background || blocking ? m_first : popup);
    load(m_first, "/popup.html"); // blocking leaves the opener's own navigations alone
    QVERIFY(m_first->frameWidget()->isVisible());
}

// A page closes its own window; the first window and the favourites window are made again only
// once they are gone.
void TestBrowserJourneys::windowsAreMadeAgainOnlyAfterTheyClosed()
{
    QPointer<QWidget> closer = m_application->openBrowserWindow(url("/closer.html"));
    QTRY_VERIFY_WITH_TIMEOUT(closer.isNull(), loadTimeoutMs);
    QCOMPARE(browserWindows(), QList<BrowserWindow *> { m_first });
    QCOMPARE(m_application->showFirstBrowserWindow(), m_first);
    QPointer<BrowserWindow> first = m_first;
    emit m_first->webControl()->closeRequested();
    QTRY_VERIFY(first.isNull());
    QWidget *again = m_application->showFirstBrowserWindow();
    QCOMPARE(browserWindows(), QList<BrowserWindow *> { static_cast<BrowserWindow *>(again) });
    QVERIFY(again->isVisible());

    m_application->showFavourites(QStringLiteral("a"), QStringLiteral("http://a/"));
    m_application->showFavourites(QStringLiteral("b"), QStringLiteral("http://b/"));
    QCOMPARE(topLevels<FavouritesWindow>().size(), 1);
    QPointer<FavouritesWindow> favourites = topLevels<FavouritesWindow>().first();
    favourites->close();
    QTRY_VERIFY(favourites.isNull());
    m_application->showFavourites(QStringLiteral("c"), QStringLiteral("http://c/"));
    QCOMPARE(topLevels<FavouritesWindow>().size(), 1);
    QVERIFY(topLevels<FavouritesWindow>().first()->isVisible());
}

// Pads close by hiding. Beside the frame that leaves the program running; a start for pads alone
// is over once the last of them has gone.
void TestBrowserJourneys::aStartForPadsEndsWithItsLastPad()
{
    QSignalSpy besideFrame(m_application.get(), &Application::lastWindowHidden);
    m_application->open({ StartRequest::Kind::Pad, {} });
    topLevels<TextPadWindow>().first()->close();
    QCOMPARE(besideFrame.count(), 0);

    m_application = std::make_unique<Application>(m_dir->path() + u'/', &m_engine);
    QSignalSpy alone(m_application.get(), &Application::lastWindowHidden);
    m_application->start({ StartRequest::Kind::Pad, {} });
    m_application->open({ StartRequest::Kind::Pad, {} });
    for (TextPadWindow *pad : topLevels<TextPadWindow>()) {
        QCOMPARE(alone.count(), 0); // not before the last pad has gone
        pad->close();
    }
    QCOMPARE(alone.count(), 1);
}

// An address handed over from outside opens in a new window, a file in a pad; Source Code gives
// an untitled, changed pad. The frame's Yes then ends the program at once: the unsaved pad is
// neither asked about nor written anywhere.
void TestBrowserJourneys::outsideRequestsSourceCodeAndTheFramesYes()
{
    QSignalSpy loaded(m_application.get(), &Application::pagesLoaded);
    m_application->frame()->showMinimized();
    m_application->open({ StartRequest::Kind::Browse, { url("/opener.html") } });
    QVERIFY(loaded.wait(loadTimeoutMs));
    QCOMPARE(browserWindows().size(), 2);
    BrowserWindow *opened = browserWindows().at(1);
    QCOMPARE(opened->webControl()->locationUrl(), url("/opener.html"));
    QVERIFY(!m_application->frame()->isMinimized());
    // Addresses from outside were not typed, so the typed-address history does not get them.
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("history.txt"))));

    QTemporaryDir outside;
    QFile file(outside.filePath(QStringLiteral("note.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("from outside") > 0);
    file.close();
    m_application->open({ StartRequest::Kind::Pad, { file.fileName() } });
    QCOMPARE(topLevels<TextPadWindow>().size(), 1);
    QCOMPARE(topLevels<TextPadWindow>().first()->fileName(), file.fileName());
    QCOMPARE(
        topLevels<TextPadWindow>().first()->document()->text(), QStringLiteral("from outside"));

    opened->menus().ss->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(topLevels<TextPadWindow>().size(), 2, loadTimeoutMs);
    TextPadWindow *source = nullptr;
    for (TextPadWindow *pad : topLevels<TextPadWindow>())
        source = pad->fileName().isEmpty() ? pad : source;
    QVERIFY(source);
    QVERIFY(!source->isSaved());
    QVERIFY(source->document()->text().contains(QStringLiteral("id=\"link\"")));
    QVERIFY(source->document()->text().contains(QStringLiteral("\r\n")));

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
    m_application.reset();
    QCOMPARE(asked, QStringList { QStringLiteral("Are you sure you want to close all windows?") });
    QCOMPARE(QDir(m_dir->path()).entryList({ "*.txt", "*.rtf" }, QDir::Files), QStringList());
    QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList { "note.txt" });
}

QTEST_MAIN(TestBrowserJourneys)
#include "tst_browserjourneys.moc"
