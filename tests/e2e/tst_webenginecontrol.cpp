// SPDX-License-Identifier: GPL-3.0-or-later
// The web control on the real engine, against pages served on 127.0.0.1 by the test itself.
#include "browser/webcontrol/qtwebengine/deferredprofile.h"
#include "browser/webcontrol/qtwebengine/profilesettings.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "e2e/enginetestutils.h"
#include "support/localhttpserver.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWidget>
#include <memory>
#include <vector>

using enginetest::evaluate;
using enginetest::loadTimeoutMs;
using enginetest::navigateAndWait;

class TestWebEngineControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadRaisesTitleProgressStatusAndCompletion();
    void markupWorksWithPageScriptsOff();
    void designModeSwitchesOnAndOffAndEditsRun();
    void propertiesDescribeThePage();
    void offlineBlocksOnlyNetworkLoads();
    void pageOpensNewWindowInTarget_data();
    void pageOpensNewWindowInTarget();
    void newWindowWithoutTargetIsNotOpened();
    void sizeRequestsArriveInWidgetPixels_data();
    void sizeRequestsArriveInWidgetPixels();
    void printToPdfFileWritesPdf();
    void findTextCountsMatches_data();
    void findTextCountsMatches();
    void homeIsBlankUntilSetThenSharedByProfile();
    void settingsOfProfileOnDiskOutliveIt();
    void offTheRecordProfileWritesNothing();
    void resultsAfterTheControlIsGoneAreDropped();
    void deferredProfileHoldsTheViewAndNavigationUntilMade();
    void discardedPageLoadsAgainWhenShown();

private:
    WebEngineControl *newControl();
    QString url(const char *path) const { return m_server->url(QLatin1String(path)).toString(); }
    void serve(const char *path, const QString &html)
    {
        m_server->serveHtml(QLatin1String(path), html);
    }

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<DeferredProfile> m_deferredProfile;
    std::vector<std::unique_ptr<WebEngineControl>> m_controls;
    WebEngineControl *m_control = nullptr;
};

void TestWebEngineControl::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_profile = std::make_unique<QWebEngineProfile>();
    m_deferredProfile = std::make_unique<DeferredProfile>(m_profile.get());
    m_control = newControl();
}

void TestWebEngineControl::cleanup()
{
    // Pages go before their profile.
    m_controls.clear();
    m_deferredProfile.reset();
    m_profile.reset();
    m_server.reset();
}

WebEngineControl *TestWebEngineControl::newControl()
{
    m_controls.push_back(std::make_unique<WebEngineControl>(*m_deferredProfile));
    WebEngineControl *control = m_controls.back().get();
    control->widget()->resize(640, 480);
    control->widget()->show();
    return control;
}

void TestWebEngineControl::loadRaisesTitleProgressStatusAndCompletion()
{
    m_server->serveHtml(QStringLiteral("/page"), QStringLiteral("<title>Served page</title>"), 200);
    QSignalSpy titles(m_control, &WebControl::titleChanged);
    QSignalSpy progress(m_control, &WebControl::progressChanged);
    QSignalSpy status(m_control, &WebControl::statusTextChanged);
    QSignalSpy navigations(m_control, &WebControl::navigationStarting);
    QVERIFY(navigateAndWait(*m_control, url("/page")));
    QCOMPARE(navigations.first().first().toUrl().toString(), url("/page"));
    QTRY_VERIFY(!titles.isEmpty());
    QCOMPARE(titles.last().first().toString(), QStringLiteral("Served page"));
    QCOMPARE(m_control->locationName(), QStringLiteral("Served page"));
    QCOMPARE(m_control->locationUrl(), url("/page"));
    QCOMPARE(progress.last(), (QVariantList { 100, 100 }));
    QVERIFY(status.first().first().toString().contains(url("/page")));
    QCOMPARE(status.last().first().toString(), QStringLiteral("Done"));
}

// The control's own scripts (Save, Source Code) run with the page's scripts switched off.
void TestWebEngineControl::markupWorksWithPageScriptsOff()
{
    serve("/markup",
        QStringLiteral("<!DOCTYPE html><html><head><title>M</title></head>"
                       "<body><p>one\ntwo</p></body></html>"));
    ProfileSettings(m_profile.get()).setJavaScriptEnabled(false);
    QVERIFY(navigateAndWait(*m_control, url("/markup")));
    std::optional<QString> markup;
    m_control->requestMarkup([&markup](const QString &text) { markup = text; });
    QTRY_VERIFY(markup.has_value());
    QCOMPARE(*markup, QStringLiteral("<head><title>M</title></head><body><p>one\ntwo</p></body>"));
}

void TestWebEngineControl::designModeSwitchesOnAndOffAndEditsRun()
{
    serve("/edit", QStringLiteral("<body><p>remove me</p></body>"));
    QVERIFY(navigateAndWait(*m_control, url("/edit")));
    const auto designMode = [this] {
        return evaluate(m_control->page(), QStringLiteral("document.designMode")).toString();
    };
    m_control->setDesignMode(true);
    QTRY_COMPARE(designMode(), QStringLiteral("on"));
    m_control->widget()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_control->widget()));
    m_control->execute(WebControl::Command::SelectAll);
    QTRY_COMPARE(
        evaluate(m_control->page(), QStringLiteral("getSelection().toString()")).toString(),
        QStringLiteral("remove me"));
    m_control->execute(WebControl::Command::Delete);
    QTRY_COMPARE(
        evaluate(m_control->page(), QStringLiteral("document.body.innerText.trim()")).toString(),
        QString());
    m_control->setDesignMode(false);
    QTRY_COMPARE(designMode(), QStringLiteral("off"));
    // With nothing selected, Delete takes the character after the caret.
    evaluate(m_control->page(),
        QStringLiteral("document.body.innerHTML = '<input id=f value=xyz>';"
                       "f.focus(); f.setSelectionRange(2, 2);"));
    m_control->execute(WebControl::Command::Delete);
    QTRY_COMPARE(
        evaluate(m_control->page(), QStringLiteral("f.value")).toString(), QStringLiteral("xy"));
}

void TestWebEngineControl::propertiesDescribeThePage()
{
    const QString html
        = QStringLiteral("<html><head><title>Props</title></head><body>\u00e9</body></html>");
    serve("/props", html);
    QVERIFY(navigateAndWait(*m_control, url("/props")));
    std::optional<WebControl::PageProperties> properties;
    m_control->requestProperties(
        [&properties](const WebControl::PageProperties &value) { properties = value; });
    QTRY_VERIFY(properties.has_value());
    QCOMPARE(properties->title, QStringLiteral("Props"));
    QCOMPARE(properties->url, url("/props"));
    QCOMPARE(properties->contentType, QStringLiteral("text/html"));
    QVERIFY(!properties->lastModified.isEmpty());
    // The served markup is already what the engine serialises back, é taking two bytes.
    QCOMPARE(properties->size, qint64(html.toUtf8().size()));
}

void TestWebEngineControl::offlineBlocksOnlyNetworkLoads()
{
    serve("/net", QStringLiteral("<title>Reached</title>"));
    m_control->setOffline(true);
    QVERIFY(navigateAndWait(*m_control, url("/net")));
    QVERIFY(!m_server->requestedPaths().contains(QStringLiteral("/net")));
    // Pages that need no network still load.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("local.html")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<title>Local</title>") > 0);
    file.close();
    QVERIFY(navigateAndWait(*m_control, file.fileName()));
    QTRY_COMPARE(m_control->locationName(), QStringLiteral("Local"));
    QVERIFY(navigateAndWait(*m_control, QStringLiteral("data:text/html,<title>Inline</title>")));
    QTRY_COMPARE(m_control->locationName(), QStringLiteral("Inline"));
    m_control->setOffline(false);
    QVERIFY(navigateAndWait(*m_control, url("/net")));
    QTRY_COMPARE(m_control->locationName(), QStringLiteral("Reached"));
}

void TestWebEngineControl::pageOpensNewWindowInTarget_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("window.open from a script")
        << QStringLiteral("<script>window.open('/popup')</script>");
    QTest::newRow("link aimed at a new window")
        << QStringLiteral("<a id='go' href='/popup' target='_blank'>go</a>"
                          "<script>document.getElementById('go').click()</script>");
}

void TestWebEngineControl::pageOpensNewWindowInTarget()
{
    QFETCH(QString, opener);
    serve("/opener", opener);
    serve("/popup", QStringLiteral("<title>Popup</title>"));
    WebEngineControl *target = nullptr;
    connect(m_control, &WebControl::newWindowRequested, this,
        [&](WebControl::NewWindowRequest &request) {
            target = newControl();
            // A new browser window starts on about:blank before the page takes it over.
            target->navigate(QStringLiteral("about:blank"));
            request.target = target;
        });
    m_control->navigate(url("/opener"));
    QTRY_VERIFY_WITH_TIMEOUT(target, loadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(target->locationName(), QStringLiteral("Popup"), loadTimeoutMs);
    QCOMPARE(target->locationUrl(), url("/popup"));
    QCOMPARE(m_control->locationUrl(), url("/opener"));
}

void TestWebEngineControl::newWindowWithoutTargetIsNotOpened()
{
    serve("/opener",
        QStringLiteral(
            "<title>Opener</title><script>window.popup = window.open('/popup')</script>"));
    int requests = 0;
    connect(m_control, &WebControl::newWindowRequested, this,
        [&requests](WebControl::NewWindowRequest &) { ++requests; });
    QVERIFY(navigateAndWait(*m_control, url("/opener")));
    QCOMPARE(requests, 1);
    // The engine discards the window nobody took, which the opening script sees as closed.
    QTRY_VERIFY(evaluate(m_control->page(), QStringLiteral("window.popup.closed")).toBool());
    QVERIFY(!m_server->requestedPaths().contains(QStringLiteral("/popup")));
}

void TestWebEngineControl::sizeRequestsArriveInWidgetPixels_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<qreal>("zoom");
    QTest::addColumn<QSize>("size");
    QTest::newRow("window.open size features")
        << QStringLiteral("window.open('/popup', '', 'width=200,height=100')") << 1.0
        << QSize(200, 100);
    // Zoom scales CSS pixels but not the screen coordinates that sizes are asked in.
    QTest::newRow("resizeTo from a zoomed page")
        << QStringLiteral("window.open('/resize')") << 2.0 << QSize(300, 250);
}

void TestWebEngineControl::sizeRequestsArriveInWidgetPixels()
{
    QFETCH(QString, script);
    QFETCH(qreal, zoom);
    serve("/opener", QStringLiteral("<script>%1</script>").arg(script));
    serve("/popup", QStringLiteral("<title>Popup</title>"));
    serve("/resize", QStringLiteral("<script>window.resizeTo(300, 250)</script>"));
    QSize requested;
    connect(m_control, &WebControl::newWindowRequested, this,
        [&](WebControl::NewWindowRequest &request) {
            WebEngineControl *target = newControl();
            target->setZoomFactor(zoom);
            connect(
                target, &WebControl::widthRequested, this, [&](int w) { requested.setWidth(w); });
            connect(
                target, &WebControl::heightRequested, this, [&](int h) { requested.setHeight(h); });
            request.target = target;
        });
    m_control->navigate(url("/opener"));
    QFETCH(QSize, size);
    QTRY_COMPARE_WITH_TIMEOUT(requested, size, loadTimeoutMs);
}

void TestWebEngineControl::printToPdfFileWritesPdf()
{
    serve("/print", QStringLiteral("<h1>Printed words</h1>"));
    QVERIFY(navigateAndWait(*m_control, url("/print")));
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    QSignalSpy finished(m_control, &WebControl::printFinished);
    m_control->print(&printer);
    QVERIFY(finished.wait(loadTimeoutMs));
    QCOMPARE(finished.first().first().toBool(), true);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
}

void TestWebEngineControl::findTextCountsMatches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<int>("matches");
    QTest::newRow("every case") << QStringLiteral("hello") << false << 3;
    QTest::newRow("case sensitive") << QStringLiteral("Hello") << true << 1;
    QTest::newRow("absent word") << QStringLiteral("goodbye") << false << 0;
}

void TestWebEngineControl::findTextCountsMatches()
{
    QFETCH(QString, text);
    QFETCH(bool, caseSensitive);
    QFETCH(int, matches);
    serve("/find", QStringLiteral("<p>Hello hello</p><p>HELLO there</p>"));
    QVERIFY(navigateAndWait(*m_control, url("/find")));
    QSignalSpy found(m_control, &WebControl::findFinished);
    m_control->findText(text, false, caseSensitive);
    QVERIFY(found.wait(loadTimeoutMs));
    QCOMPARE(found.last(), (QVariantList { matches, matches > 0 ? 1 : 0 }));
}

void TestWebEngineControl::homeIsBlankUntilSetThenSharedByProfile()
{
    serve("/home", QStringLiteral("<title>Home page</title>"));
    QVERIFY(navigateAndWait(*m_control, url("/home")));
    QSignalSpy complete(m_control, &WebControl::documentComplete);
    m_control->goHome();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_control->locationUrl(), QStringLiteral("about:blank"));
    m_control->engineSettings().setHomePage(QUrl(url("/home")));
    WebEngineControl *other = newControl();
    other->goHome();
    QTRY_COMPARE_WITH_TIMEOUT(other->locationName(), QStringLiteral("Home page"), loadTimeoutMs);
}

void TestWebEngineControl::settingsOfProfileOnDiskOutliveIt()
{
    QTemporaryDir storage;
    const auto diskProfile = [&storage](const QString &name) {
        auto profile = std::make_unique<QWebEngineProfile>(name);
        profile->setPersistentStoragePath(storage.filePath(QStringLiteral("storage")));
        profile->setCachePath(storage.filePath(QStringLiteral("cache")));
        return profile;
    };
    const QUrl home(QStringLiteral("http://home.example/start"));
    {
        auto profile = diskProfile(QStringLiteral("first"));
        ProfileSettings settings(profile.get());
        settings.setHomePage(home);
        settings.setImagesEnabled(false);
    }
    auto profile = diskProfile(QStringLiteral("second"));
    const ProfileSettings settings(profile.get());
    QCOMPARE(settings.homePage(), home);
    QVERIFY(!settings.imagesEnabled());
    QVERIFY(settings.javaScriptEnabled());
}

void TestWebEngineControl::offTheRecordProfileWritesNothing()
{
    ProfileSettings settings(m_profile.get());
    settings.setJavaScriptEnabled(false);
    QVERIFY(!settings.javaScriptEnabled());
    QVERIFY(!QFileInfo::exists(QDir(m_profile->persistentStoragePath())
                                   .filePath(QStringLiteral("internet-properties.ini"))));
}

// A window closed while its page works on an answer: the answer must not reach the dead window.
void TestWebEngineControl::resultsAfterTheControlIsGoneAreDropped()
{
    QVERIFY(navigateAndWait(*m_control, QStringLiteral("data:text/html,<p>text</p>")));
    int late = 0;
    m_control->requestMarkup([&late](const QString &) { ++late; });
    m_control->requestProperties([&late](const WebControl::PageProperties &) { ++late; });
    m_controls.clear();
    WebEngineControl *other = newControl();
    QVERIFY(navigateAndWait(*other, QStringLiteral("data:text/html,<p>other</p>")));
    std::optional<QString> markup;
    other->requestMarkup([&markup](const QString &text) { markup = text; });
    QTRY_VERIFY(markup.has_value());
    QCOMPARE(late, 0);
}

void TestWebEngineControl::deferredProfileHoldsTheViewAndNavigationUntilMade()
{
    DeferredProfile deferred([](QObject *parent) { return new QWebEngineProfile(parent); });
    WebEngineControl web(deferred);
    QWidget window;
    web.widget()->setParent(&window);
    window.show();
    QSignalSpy complete(&web, &WebControl::documentComplete);
    web.navigate(QStringLiteral("about:blank"));
    // Neither the window nor the navigation started the engine.
    QVERIFY(!deferred.isMade());
    QVERIFY(!web.widget()->isVisible());

    deferred.makeAfterFirstPaint(window.windowHandle());
    QVERIFY(complete.wait(enginetest::loadTimeoutMs));
    QVERIFY(deferred.isMade());
    QVERIFY(web.widget()->isVisible());
    QCOMPARE(web.locationUrl(), QStringLiteral("about:blank"));
}

void TestWebEngineControl::discardedPageLoadsAgainWhenShown()
{
    m_server->serveHtml(QStringLiteral("/kept"), QStringLiteral("<title>Kept</title>"));
    const QString url = m_server->url(QStringLiteral("/kept")).toString();
    QVERIFY(navigateAndWait(*m_control, url));
    m_control->widget()->hide();
    m_control->discard();
    QCOMPARE(m_control->page()->lifecycleState(), QWebEnginePage::LifecycleState::Discarded);
    QSignalSpy complete(m_control, &WebControl::documentComplete);
    m_control->widget()->show();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_control->page()->lifecycleState(), QWebEnginePage::LifecycleState::Active);
    QCOMPARE(m_control->locationUrl(), url);
    QCOMPARE(m_control->locationName(), QStringLiteral("Kept"));
}

QTEST_MAIN(TestWebEngineControl)
#include "tst_webenginecontrol.moc"
