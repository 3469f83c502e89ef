// SPDX-License-Identifier: GPL-3.0-or-later
// The web control on the real engine, against pages served on 127.0.0.1 by the test itself.
#include "browser/webcontrol/qtwebengine/deferredprofile.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "e2e/enginetestutils.h"
#include "support/localhttpserver.h"

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
    void navigationsOfFramesAreReported();
    void markupIsTheRootElementsInnerHtml();
    void designModeSwitchesOnAndOff();
    void propertiesDescribeThePage();
    void offlineBlocksNetworkLoadsUntilOnline();
    void pageOpensNewWindowInTarget_data();
    void pageOpensNewWindowInTarget();
    void newWindowWithoutTargetIsNotOpened();
    void windowCloseFromPageRaisesCloseRequest();
    void sizeRequestsArriveInWidgetPixels_data();
    void sizeRequestsArriveInWidgetPixels();
    void printToPdfFileWritesPdf();
    void findTextCountsMatches_data();
    void findTextCountsMatches();
    void deleteRemovesTheSelectionThenTheCharacterAfterTheCaret();
    void homeIsBlankUntilSetThenSharedByProfile();
    void deferredProfileHoldsTheViewAndNavigationUntilMade();

private:
    WebEngineControl *newControl();
    // Answers new-window requests of `opener` with a fresh control, returned through `target`.
    void answerNewWindows(WebEngineControl *opener, WebEngineControl **target);

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::vector<std::unique_ptr<WebEngineControl>> m_controls;
    WebEngineControl *m_control = nullptr;
};

void TestWebEngineControl::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_profile = std::make_unique<QWebEngineProfile>();
    m_control = newControl();
}

void TestWebEngineControl::cleanup()
{
    // Pages go before their profile.
    m_controls.clear();
    m_control = nullptr;
    m_profile.reset();
    m_server.reset();
}

WebEngineControl *TestWebEngineControl::newControl()
{
    m_controls.push_back(std::make_unique<WebEngineControl>(m_profile.get()));
    WebEngineControl *control = m_controls.back().get();
    control->widget()->resize(640, 480);
    control->widget()->show();
    return control;
}

void TestWebEngineControl::answerNewWindows(WebEngineControl *opener, WebEngineControl **target)
{
    connect(opener, &WebControl::newWindowRequested, this,
        [this, target](WebControl::NewWindowRequest &request) {
            *target = newControl();
            // A new browser window starts on about:blank before the page takes it over.
            (*target)->navigate(QStringLiteral("about:blank"));
            request.target = *target;
        });
}

void TestWebEngineControl::loadRaisesTitleProgressStatusAndCompletion()
{
    m_server->serveHtml(QStringLiteral("/page"),
        QStringLiteral("<html><head><title>Served page</title></head>"
                       "<body>text</body></html>"),
        200);
    const QUrl url = m_server->url(QStringLiteral("/page"));
    QSignalSpy titles(m_control, &WebControl::titleChanged);
    QSignalSpy progress(m_control, &WebControl::progressChanged);
    QSignalSpy status(m_control, &WebControl::statusTextChanged);
    QSignalSpy navigations(m_control, &WebControl::navigationStarting);
    QSignalSpy complete(m_control, &WebControl::documentComplete);

    m_control->navigate(url.toString());

    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(complete.first().first().toUrl(), url);
    QCOMPARE(navigations.first().first().toUrl(), url);
    QTRY_VERIFY(!titles.isEmpty());
    QCOMPARE(titles.last().first().toString(), QStringLiteral("Served page"));
    QCOMPARE(m_control->locationName(), QStringLiteral("Served page"));
    QCOMPARE(m_control->locationUrl(), url.toString());
    QVERIFY(progress.size() >= 2);
    QCOMPARE(progress.last(), (QVariantList { 100, 100 }));
    QVERIFY(status.size() >= 2);
    QVERIFY(status.first().first().toString().contains(url.toDisplayString()));
    QCOMPARE(status.last().first().toString(), QStringLiteral("Done"));
}

void TestWebEngineControl::navigationsOfFramesAreReported()
{
    m_server->serveHtml(
        QStringLiteral("/outer"), QStringLiteral("<body><iframe src='/inner'></iframe></body>"));
    m_server->serveHtml(QStringLiteral("/inner"), QStringLiteral("<body>inner</body>"));
    QSignalSpy navigations(m_control, &WebControl::navigationStarting);

    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/outer")).toString()));

    QTRY_VERIFY(m_server->requestedPaths().contains(QStringLiteral("/inner")));
    QList<QUrl> urls;
    for (const QVariantList &arguments : navigations)
        urls.append(arguments.first().toUrl());
    QVERIFY(urls.contains(m_server->url(QStringLiteral("/outer"))));
    QVERIFY(urls.contains(m_server->url(QStringLiteral("/inner"))));
}

void TestWebEngineControl::markupIsTheRootElementsInnerHtml()
{
    m_server->serveHtml(QStringLiteral("/markup"),
        QStringLiteral("<!DOCTYPE html><html lang='en'><head><title>M</title></head>"
                       "<body><p>one\ntwo</p></body></html>"));
    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/markup")).toString()));
    std::optional<QString> markup;

    m_control->requestMarkup([&markup](const QString &text) { markup = text; });

    QTRY_VERIFY(markup.has_value());
    QCOMPARE(*markup, QStringLiteral("<head><title>M</title></head><body><p>one\ntwo</p></body>"));
}

void TestWebEngineControl::designModeSwitchesOnAndOff()
{
    m_server->serveHtml(QStringLiteral("/edit"), QStringLiteral("<body>editable</body>"));
    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/edit")).toString()));
    const QString query = QStringLiteral("document.designMode");

    m_control->setDesignMode(true);
    QTRY_COMPARE(evaluate(m_control->page(), query).toString(), QStringLiteral("on"));
    m_control->setDesignMode(false);
    QTRY_COMPARE(evaluate(m_control->page(), query).toString(), QStringLiteral("off"));
}

void TestWebEngineControl::propertiesDescribeThePage()
{
    const QString html
        = QStringLiteral("<html><head><title>Props</title></head><body>\u00e9</body></html>");
    m_server->serveHtml(QStringLiteral("/props"), html);
    const QUrl url = m_server->url(QStringLiteral("/props"));
    QVERIFY(navigateAndWait(*m_control, url.toString()));
    std::optional<WebControl::PageProperties> properties;

    m_control->requestProperties(
        [&properties](const WebControl::PageProperties &value) { properties = value; });

    QTRY_VERIFY(properties.has_value());
    QCOMPARE(properties->title, QStringLiteral("Props"));
    QCOMPARE(properties->url, url.toString());
    QCOMPARE(properties->contentType, QStringLiteral("text/html"));
    QVERIFY(!properties->lastModified.isEmpty());
    // The served markup is already what the engine serialises back, é taking two bytes.
    QCOMPARE(properties->size, qint64(html.toUtf8().size()));
}

void TestWebEngineControl::offlineBlocksNetworkLoadsUntilOnline()
{
    m_server->serveHtml(QStringLiteral("/net"), QStringLiteral("<title>Reached</title>"));
    const QString address = m_server->url(QStringLiteral("/net")).toString();

    m_control->setOffline(true);
    QVERIFY(m_control->isOffline());
    QVERIFY(navigateAndWait(*m_control, address));
    QVERIFY(!m_server->requestedPaths().contains(QStringLiteral("/net")));
    QVERIFY(m_control->locationName() != QStringLiteral("Reached"));
    QVERIFY(navigateAndWait(*m_control, QStringLiteral("about:blank")));
    QCOMPARE(m_control->locationUrl(), QStringLiteral("about:blank"));

    m_control->setOffline(false);
    QVERIFY(navigateAndWait(*m_control, address));
    QVERIFY(m_server->requestedPaths().contains(QStringLiteral("/net")));
    QTRY_COMPARE(m_control->locationName(), QStringLiteral("Reached"));
}

void TestWebEngineControl::pageOpensNewWindowInTarget_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("window.open from a script")
        << QStringLiteral("<body><script>window.open('/popup')</script></body>");
    QTest::newRow("link aimed at a new window")
        << QStringLiteral("<body><a id='go' href='/popup' target='_blank'>go</a>"
                          "<script>document.getElementById('go').click()</script></body>");
}

void TestWebEngineControl::pageOpensNewWindowInTarget()
{
    QFETCH(QString, opener);
    m_server->serveHtml(QStringLiteral("/opener"), opener);
    m_server->serveHtml(QStringLiteral("/popup"), QStringLiteral("<title>Popup</title>"));
    WebEngineControl *target = nullptr;
    answerNewWindows(m_control, &target);

    m_control->navigate(m_server->url(QStringLiteral("/opener")).toString());

    QTRY_VERIFY_WITH_TIMEOUT(target, loadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(target->locationName(), QStringLiteral("Popup"), loadTimeoutMs);
    QCOMPARE(target->locationUrl(), m_server->url(QStringLiteral("/popup")).toString());
    QCOMPARE(m_control->locationUrl(), m_server->url(QStringLiteral("/opener")).toString());
}

void TestWebEngineControl::newWindowWithoutTargetIsNotOpened()
{
    m_server->serveHtml(QStringLiteral("/opener"),
        QStringLiteral("<title>Opener</title>"
                       "<script>window.popup = window.open('/popup')</script>"));
    int requests = 0;
    connect(m_control, &WebControl::newWindowRequested, this,
        [&requests](WebControl::NewWindowRequest &) { ++requests; });

    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/opener")).toString()));

    QCOMPARE(requests, 1);
    // The engine discards the window nobody took, which the opening script sees as closed.
    QTRY_VERIFY(evaluate(m_control->page(), QStringLiteral("window.popup.closed")).toBool());
    QVERIFY(!m_server->requestedPaths().contains(QStringLiteral("/popup")));
    QCOMPARE(m_control->locationName(), QStringLiteral("Opener"));
}

void TestWebEngineControl::windowCloseFromPageRaisesCloseRequest()
{
    m_server->serveHtml(
        QStringLiteral("/opener"), QStringLiteral("<script>window.open('/popup')</script>"));
    m_server->serveHtml(QStringLiteral("/popup"), QStringLiteral("<title>Popup</title>"));
    WebEngineControl *target = nullptr;
    answerNewWindows(m_control, &target);
    m_control->navigate(m_server->url(QStringLiteral("/opener")).toString());
    QTRY_VERIFY_WITH_TIMEOUT(target, loadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(target->locationName(), QStringLiteral("Popup"), loadTimeoutMs);
    QSignalSpy closeRequests(target, &WebControl::closeRequested);

    target->page()->runJavaScript(QStringLiteral("window.close()"));

    QVERIFY(closeRequests.wait(loadTimeoutMs));
}

void TestWebEngineControl::sizeRequestsArriveInWidgetPixels_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<qreal>("zoom");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("window.open size features")
        << QStringLiteral("window.open('/popup', '', 'width=200,height=100')") << 1.0 << 200 << 100;
    QTest::newRow("resizeTo from the opened page")
        << QStringLiteral("window.open('/resize')") << 1.0 << 300 << 250;
    // Zoom scales CSS pixels but not the screen coordinates that sizes are asked in.
    QTest::newRow("resizeTo from a zoomed page")
        << QStringLiteral("window.open('/resize')") << 2.0 << 300 << 250;
}

void TestWebEngineControl::sizeRequestsArriveInWidgetPixels()
{
    QFETCH(QString, script);
    QFETCH(qreal, zoom);
    QFETCH(int, width);
    QFETCH(int, height);
    m_server->serveHtml(
        QStringLiteral("/opener"), QStringLiteral("<script>%1</script>").arg(script));
    m_server->serveHtml(QStringLiteral("/popup"), QStringLiteral("<title>Popup</title>"));
    m_server->serveHtml(
        QStringLiteral("/resize"), QStringLiteral("<script>window.resizeTo(300, 250)</script>"));
    WebEngineControl *target = nullptr;
    std::unique_ptr<QSignalSpy> widths;
    std::unique_ptr<QSignalSpy> heights;
    connect(m_control, &WebControl::newWindowRequested, this,
        [&](WebControl::NewWindowRequest &request) {
            target = newControl();
            target->page()->setZoomFactor(zoom);
            widths = std::make_unique<QSignalSpy>(target, &WebControl::widthRequested);
            heights = std::make_unique<QSignalSpy>(target, &WebControl::heightRequested);
            request.target = target;
        });

    m_control->navigate(m_server->url(QStringLiteral("/opener")).toString());

    QTRY_VERIFY_WITH_TIMEOUT(widths && !widths->isEmpty(), loadTimeoutMs);
    QTRY_VERIFY(!heights->isEmpty());
    QCOMPARE(target->page()->zoomFactor(), zoom);
    QCOMPARE(widths->last().first().toInt(), width);
    QCOMPARE(heights->last().first().toInt(), height);
}

void TestWebEngineControl::printToPdfFileWritesPdf()
{
    m_server->serveHtml(
        QStringLiteral("/print"), QStringLiteral("<body><h1>Printed words</h1></body>"));
    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/print")).toString()));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    QSignalSpy finished(m_control, &WebControl::printFinished);

    m_control->print(&printer);

    QVERIFY(finished.wait(loadTimeoutMs));
    QCOMPARE(finished.first().first().toBool(), true);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.size() > 100);
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
    m_server->serveHtml(QStringLiteral("/find"),
        QStringLiteral("<body><p>Hello hello</p><p>HELLO there</p></body>"));
    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/find")).toString()));
    QSignalSpy found(m_control, &WebControl::findFinished);

    m_control->findText(text, false, caseSensitive);

    QVERIFY(found.wait(loadTimeoutMs));
    QCOMPARE(found.last().at(0).toInt(), matches);
    QCOMPARE(found.last().at(1).toInt(), matches > 0 ? 1 : 0);
}

void TestWebEngineControl::deleteRemovesTheSelectionThenTheCharacterAfterTheCaret()
{
    m_server->serveHtml(QStringLiteral("/edit"), QStringLiteral("<body><p>remove me</p></body>"));
    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/edit")).toString()));
    m_control->setDesignMode(true);
    QTRY_COMPARE(evaluate(m_control->page(), QStringLiteral("document.designMode")).toString(),
        QStringLiteral("on"));
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

    evaluate(m_control->page(),
        QStringLiteral("document.designMode = 'off';"
                       "document.body.innerHTML = '<input id=f value=xyz>';"
                       "f.focus(); f.setSelectionRange(2, 2);"));
    m_control->execute(WebControl::Command::Delete);
    QTRY_COMPARE(
        evaluate(m_control->page(), QStringLiteral("f.value")).toString(), QStringLiteral("xy"));
}

void TestWebEngineControl::homeIsBlankUntilSetThenSharedByProfile()
{
    m_server->serveHtml(QStringLiteral("/home"), QStringLiteral("<title>Home page</title>"));
    QCOMPARE(m_control->homePage(), QUrl(QStringLiteral("about:blank")));
    QVERIFY(navigateAndWait(*m_control, m_server->url(QStringLiteral("/home")).toString()));
    QSignalSpy complete(m_control, &WebControl::documentComplete);
    m_control->goHome();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_control->locationUrl(), QStringLiteral("about:blank"));

    m_control->setHomePage(m_server->url(QStringLiteral("/home")));
    WebEngineControl *other = newControl();
    QSignalSpy otherComplete(other, &WebControl::documentComplete);
    other->goHome();

    QVERIFY(otherComplete.wait(loadTimeoutMs));
    QTRY_COMPARE(other->locationName(), QStringLiteral("Home page"));
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

QTEST_MAIN(TestWebEngineControl)
#include "tst_webenginecontrol.moc"
