// SPDX-License-Identifier: GPL-3.0-or-later
// The web control on the real engine, against pages served on 127.0.0.1 by the test itself.
#include "browser/webcontrol/qtwebengine/profilesettings.h"
#include "e2e/enginetestutils.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

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
    void markupAndPropertiesWorkWithPageScriptsOff();
    void designModeSwitchesOnAndOffAndEditsRun();
    void offlineBlocksOnlyNetworkLoads();
    void newWindowRequests_data();
    void newWindowRequests();
    void printToPdfFileWritesPdf();
    void findTextCountsMatches();
    void homeIsBlankUntilSetThenSharedByProfile();
    void profileSettingsLastOnlyOnDisk();
    void resultsAfterTheControlIsGoneAreDropped();
    void deferredProfileHoldsTheViewAndNavigationUntilMade();
    void discardedPageLoadsAgainWhenShown();

private:
    QString url(const char *path) const { return m_engine->url(QLatin1String(path)); }
    bool load(const char *path, const QString &html)
    {
        return m_engine->load(*m_control, QLatin1String(path), html);
    }
    QVariant evaluate(const QString &script) const
    {
        return enginetest::evaluate(m_control->page(), script);
    }

    std::unique_ptr<enginetest::Engine> m_engine;
    WebEngineControl *m_control = nullptr;
};

void TestWebEngineControl::init()
{
    m_engine = std::make_unique<enginetest::Engine>();
    QVERIFY(m_engine->server.listen());
    m_control = m_engine->newControl();
}

void TestWebEngineControl::cleanup()
{
    m_engine.reset();
}

void TestWebEngineControl::loadRaisesTitleProgressStatusAndCompletion()
{
    m_engine->server.serveHtml(
        QStringLiteral("/page"), QStringLiteral("<title>Served page</title>"));
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

// The control's own scripts (Save, Source Code, Properties) run with the page's scripts off.
void TestWebEngineControl::markupAndPropertiesWorkWithPageScriptsOff()
{
    const QString body
        = QStringLiteral("<head><title>M</title></head><body><p>one\n\u00e9</p></body>");
    m_engine->deferred.settings().setJavaScriptEnabled(false);
    QVERIFY(load("/markup", QStringLiteral("<html>%1</html>").arg(body)));
    std::optional<QString> markup;
    m_control->requestMarkup([&markup](const QString &text) { markup = text; });
    std::optional<WebControl::PageProperties> properties;
    m_control->requestProperties(
        [&properties](const WebControl::PageProperties &value) { properties = value; });
    QTRY_VERIFY(markup.has_value() && properties.has_value());
    QCOMPARE(*markup, body);
    QCOMPARE(properties->title, QStringLiteral("M"));
    QCOMPARE(properties->url, url("/markup"));
    QCOMPARE(properties->contentType, QStringLiteral("text/html"));
    QVERIFY(!properties->lastModified.isEmpty());
    // The served markup is what the engine serialises back, é taking two bytes.
    QCOMPARE(properties->size, qint64(QStringLiteral("<html>%1</html>").arg(body).toUtf8().size()));
}

void TestWebEngineControl::designModeSwitchesOnAndOffAndEditsRun()
{
    QVERIFY(load("/edit", QStringLiteral("<body><p>remove me</p></body>")));
    m_control->setDesignMode(true);
    QTRY_COMPARE(evaluate(QStringLiteral("document.designMode")), QStringLiteral("on"));
    m_control->widget()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_control->widget()));
    m_control->execute(WebControl::Command::SelectAll);
    QTRY_COMPARE(
        evaluate(QStringLiteral("getSelection().toString()")), QStringLiteral("remove me"));
    m_control->execute(WebControl::Command::Delete);
    QTRY_COMPARE(evaluate(QStringLiteral("document.body.innerText.trim()")), QString());
    m_control->setDesignMode(false);
    QTRY_COMPARE(evaluate(QStringLiteral("document.designMode")), QStringLiteral("off"));
    // With nothing selected, Delete takes the character after the caret.
    evaluate(QStringLiteral("document.body.innerHTML = '<input id=f value=xyz>';"
                            "f.focus(); f.setSelectionRange(2, 2);"));
    m_control->execute(WebControl::Command::Delete);
    QTRY_COMPARE(evaluate(QStringLiteral("f.value")), QStringLiteral("xy"));
}

// Pages that need no network still load.
void TestWebEngineControl::offlineBlocksOnlyNetworkLoads()
{
    m_engine->server.serveHtml(QStringLiteral("/net"), QStringLiteral("<title>Reached</title>"));
    m_control->setOffline(true);
    QVERIFY(navigateAndWait(*m_control, url("/net")));
    QVERIFY(!m_engine->server.requestedPaths().contains(QStringLiteral("/net")));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("local.html")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<title>Local</title>") > 0);
    file.close();
    const QStringList local { file.fileName(), "data:text/html,<title>Inline</title>" };
    for (const QString &address : local) {
        QVERIFY(navigateAndWait(*m_control, address));
        QTRY_COMPARE(
            m_control->locationName(), QLatin1String(address == local[0] ? "Local" : "Inline"));
    }
    m_control->setOffline(false);
    QVERIFY(navigateAndWait(*m_control, url("/net")));
    QTRY_COMPARE(m_control->locationName(), QStringLiteral("Reached"));
}

void TestWebEngineControl::newWindowRequests_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<qreal>("zoom"); // of the new window; 0: nobody takes the window
    QTest::addColumn<QString>("page"); // what the new window shows
    QTest::addColumn<QSize>("size"); // what it asks for
    QTest::newRow("window.open with size") << "window.open('/popup', '', 'width=200,height=100')"
                                           << 1.0 << "/popup" << QSize(200, 100);
    QTest::newRow("link aimed at a new window")
        << "document.getElementById('go').click()" << 1.0 << "/popup" << QSize();
    // Zoom scales CSS pixels but not the screen coordinates that sizes are asked in.
    QTest::newRow("resizeTo from a zoomed page")
        << "window.open('/resize')" << 2.0 << "/resize" << QSize(300, 250);
    QTest::newRow("nobody takes it")
        << "window.popup = window.open('/popup')" << 0.0 << QString() << QSize();
}

void TestWebEngineControl::newWindowRequests()
{
    QFETCH(QString, opener);
    QFETCH(qreal, zoom);
    QFETCH(QString, page);
    m_engine->server.serveHtml(QStringLiteral("/popup"), QStringLiteral("<title>Popup</title>"));
    m_engine->server.serveHtml(
        QStringLiteral("/resize"), QStringLiteral("<script>window.resizeTo(300, 250)</script>"));
    WebEngineControl *target = nullptr;
    QSize requested;
    int requests = 0;
    connect(m_control, &WebControl::newWindowRequested, this,
        [&](WebControl::NewWindowRequest &request) {
            ++requests;
            if (zoom == 0)
                return;
            target = m_engine->newControl();
            target->setZoomFactor(zoom);
            connect(
                target, &WebControl::widthRequested, this, [&](int w) { requested.setWidth(w); });
            connect(
                target, &WebControl::heightRequested, this, [&](int h) { requested.setHeight(h); });
            // A new browser window starts on about:blank before the page takes it over.
            target->navigate(QStringLiteral("about:blank"));
            request.target = target;
        });
    QVERIFY(load("/opener",
        QStringLiteral("<a id='go' href='/popup' target='_blank'>go</a><script>%1</script>")
            .arg(opener)));
    QTRY_COMPARE(requests, 1);
    QCOMPARE(m_control->locationUrl(), url("/opener"));
    if (page.isEmpty()) {
        // The engine discards the window nobody took, which the opening script sees as closed.
        QTRY_VERIFY(evaluate(QStringLiteral("window.popup.closed")).toBool());
        QVERIFY(!m_engine->server.requestedPaths().contains(QStringLiteral("/popup")));
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(target->locationUrl(), m_engine->url(page), loadTimeoutMs);
    QFETCH(QSize, size);
    QTRY_COMPARE_WITH_TIMEOUT(requested, size, loadTimeoutMs);
}

void TestWebEngineControl::printToPdfFileWritesPdf()
{
    QVERIFY(load("/print", QStringLiteral("<h1>Printed words</h1>")));
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

void TestWebEngineControl::findTextCountsMatches()
{
    QVERIFY(load("/find", QStringLiteral("<p>Hello hello</p><p>HELLO there</p>")));
    const struct
    {
        const char *text;
        bool caseSensitive;
        int matches;
    } searches[] = { { "hello", false, 3 }, { "Hello", true, 1 }, { "goodbye", false, 0 } };
    for (const auto &search : searches) {
        QSignalSpy found(m_control, &WebControl::findFinished);
        m_control->findText(QLatin1String(search.text), false, search.caseSensitive);
        QVERIFY(found.wait(loadTimeoutMs));
        QCOMPARE(found.last(), (QVariantList { search.matches, search.matches > 0 ? 1 : 0 }));
    }
}

void TestWebEngineControl::homeIsBlankUntilSetThenSharedByProfile()
{
    QVERIFY(load("/home", QStringLiteral("<title>Home page</title>")));
    QSignalSpy complete(m_control, &WebControl::documentComplete);
    m_control->goHome();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_control->locationUrl(), QStringLiteral("about:blank"));
    m_control->engineSettings().setHomePage(QUrl(url("/home")));
    WebEngineControl *other = m_engine->newControl();
    other->goHome();
    QTRY_COMPARE_WITH_TIMEOUT(other->locationName(), QStringLiteral("Home page"), loadTimeoutMs);
}

// Settings of a profile on disk outlive it; an off-the-record profile writes nothing.
void TestWebEngineControl::profileSettingsLastOnlyOnDisk()
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
        auto first = diskProfile(QStringLiteral("first"));
        ProfileSettings settings(first.get());
        settings.setHomePage(home);
        settings.setImagesEnabled(false);
    }
    auto second = diskProfile(QStringLiteral("second"));
    const ProfileSettings kept(second.get());
    QCOMPARE(kept.homePage(), home);
    QVERIFY(!kept.imagesEnabled());
    QVERIFY(kept.javaScriptEnabled());
    ProfileSettings settings(&m_engine->profile);
    settings.setJavaScriptEnabled(false);
    QVERIFY(!settings.javaScriptEnabled());
    QVERIFY(!QFileInfo::exists(QDir(m_engine->profile.persistentStoragePath())
                                   .filePath(QStringLiteral("internet-properties.ini"))));
}

// A window closed while its page works on an answer: the answer must not reach the dead window.
void TestWebEngineControl::resultsAfterTheControlIsGoneAreDropped()
{
    QVERIFY(navigateAndWait(*m_control, QStringLiteral("data:text/html,<p>text</p>")));
    int late = 0;
    m_control->requestMarkup([&late](const QString &) { ++late; });
    m_control->requestProperties([&late](const WebControl::PageProperties &) { ++late; });
    m_engine->controls.clear();
    WebEngineControl *other = m_engine->newControl();
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
    QVERIFY(complete.wait(loadTimeoutMs));
    QVERIFY(deferred.isMade());
    QVERIFY(web.widget()->isVisible());
    QCOMPARE(web.locationUrl(), QStringLiteral("about:blank"));
}

void TestWebEngineControl::discardedPageLoadsAgainWhenShown()
{
    QVERIFY(load("/kept", QStringLiteral("<title>Kept</title>")));
    m_control->widget()->hide();
    m_control->discard();
    QCOMPARE(m_control->page()->lifecycleState(), QWebEnginePage::LifecycleState::Discarded);
    QSignalSpy complete(m_control, &WebControl::documentComplete);
    m_control->widget()->show();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_control->page()->lifecycleState(), QWebEnginePage::LifecycleState::Active);
    QCOMPARE(m_control->locationUrl(), url("/kept"));
    QCOMPARE(m_control->locationName(), QStringLiteral("Kept"));
}

QTEST_MAIN(TestWebEngineControl)
#include "tst_webenginecontrol.moc"
