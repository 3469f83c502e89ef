// SPDX-License-Identifier: GPL-3.0-or-later
// The web control on the real engine, against pages served on 127.0.0.1 by the test itself.
#include "browser/webcontrol/qtwebengine/profilesettings.h"
#include "e2e/enginetestutils.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

using enginetest::loadTimeoutMs;
using enginetest::navigateAndWait;

class TestWebEngineControl : public QObject, enginetest::EngineFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadDiscardAndHome();
    void pageContentWithPageScriptsOff();
    void designModeSwitchesOnAndOffAndEditsRun();
    void offlineBlocksOnlyNetworkLoads();
    void profileSettingsLastOnlyOnDisk();
    void resultsAfterTheControlIsGoneAreDropped();
    void sizeRequestsArriveInWidgetPixels_data();
    void sizeRequestsArriveInWidgetPixels();
};

void TestWebEngineControl::init()
{
    start();
}

void TestWebEngineControl::cleanup()
{
    stop();
}

// A discarded page loads again when shown; Home is blank until set, then shared by the profile.
void TestWebEngineControl::loadDiscardAndHome()
{
    QSignalSpy titles(m_web, &WebControl::titleChanged);
    QSignalSpy progress(m_web, &WebControl::progressChanged);
    QSignalSpy status(m_web, &WebControl::statusTextChanged);
    QSignalSpy navigations(m_web, &WebControl::navigationStarting);
    QVERIFY(load("/page", QStringLiteral("<title>Served page</title>")));
    QCOMPARE(navigations.first().first().toUrl().toString(), url("/page"));
    QTRY_COMPARE(titles.last().first().toString(), QStringLiteral("Served page"));
    QCOMPARE(progress.last(), (QVariantList { 100, 100 }));
    QVERIFY(status.first().first().toString().contains(url("/page")));
    QCOMPARE(status.last().first().toString(), QStringLiteral("Done"));

    m_web->widget()->hide();
    m_web->discard();
    QCOMPARE(m_web->page()->lifecycleState(), QWebEnginePage::LifecycleState::Discarded);
    QSignalSpy complete(m_web, &WebControl::documentComplete);
    m_web->widget()->show();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_web->page()->lifecycleState(), QWebEnginePage::LifecycleState::Active);
    QCOMPARE(m_web->locationUrl(), url("/page"));

    m_web->goHome();
    QVERIFY(complete.wait(loadTimeoutMs));
    QCOMPARE(m_web->locationUrl(), QStringLiteral("about:blank"));
    m_web->engineSettings().setHomePage(QUrl(url("/page")));
    WebEngineControl *other = m_engine->newControl();
    other->goHome();
    QTRY_COMPARE_WITH_TIMEOUT(other->locationName(), QStringLiteral("Served page"), loadTimeoutMs);
}

// The control's own scripts (Save, Source Code, Properties, Find) run with the page's scripts off.
void TestWebEngineControl::pageContentWithPageScriptsOff()
{
    const QString page = QStringLiteral("<html><head><title>M</title></head><body><p>Hello hello"
                                        "</p><p>HELLO \u00e9</p></body></html>");
    m_engine->settings.setJavaScriptEnabled(false);
    QVERIFY(load("/markup", page));
    std::optional<QString> markup;
    m_web->requestMarkup([&markup](const QString &text) { markup = text; });
    std::optional<WebControl::PageProperties> properties;
    m_web->requestProperties(
        [&properties](const WebControl::PageProperties &value) { properties = value; });
    QTRY_VERIFY(markup.has_value() && properties.has_value());
    QCOMPARE(*markup, page.mid(6, page.size() - 13)); // inside <html>
    QCOMPARE(properties->title, QStringLiteral("M"));
    QCOMPARE(properties->url, url("/markup"));
    QCOMPARE(properties->contentType, QStringLiteral("text/html"));
    QVERIFY(!properties->lastModified.isEmpty());
    QCOMPARE(properties->size, qint64(page.toUtf8().size())); // é takes two bytes

    const struct
    {
        const char *text;
        bool caseSensitive;
        int matches;
    } searches[] = { { "hello", false, 3 }, { "Hello", true, 1 }, { "goodbye", false, 0 } };
    for (const auto &search : searches) {
        QSignalSpy found(m_web, &WebControl::findFinished);
        m_web->findText(QLatin1String(search.text), false, search.caseSensitive);
        QVERIFY(found.wait(loadTimeoutMs));
        QCOMPARE(found.last(), (QVariantList { search.matches, search.matches > 0 ? 1 : 0 }));
    }

    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    QSignalSpy printed(m_web, &WebControl::printFinished);
    m_web->print(&printer);
    QVERIFY(printed.wait(loadTimeoutMs));
    QCOMPARE(printed.first().first().toBool(), true);
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
}

void TestWebEngineControl::designModeSwitchesOnAndOffAndEditsRun()
{
    QVERIFY(load("/edit", QStringLiteral("<body><p>remove me</p></body>")));
    m_web->setDesignMode(true);
    QTRY_COMPARE(evaluate(QStringLiteral("document.designMode")), QStringLiteral("on"));
    m_web->widget()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_web->widget()));
    m_web->execute(WebControl::Command::SelectAll);
    QTRY_COMPARE(
        evaluate(QStringLiteral("getSelection().toString()")), QStringLiteral("remove me"));
    m_web->execute(WebControl::Command::Delete);
    QTRY_COMPARE(evaluate(QStringLiteral("document.body.innerText.trim()")), QString());
    m_web->setDesignMode(false);
    QTRY_COMPARE(evaluate(QStringLiteral("document.designMode")), QStringLiteral("off"));
    // With nothing selected, Delete takes the character after the caret.
    evaluate(QStringLiteral("document.body.innerHTML = '<input id=f value=xyz>';"
                            "f.focus(); f.setSelectionRange(2, 2);"));
    m_web->execute(WebControl::Command::Delete);
    QTRY_COMPARE(evaluate(QStringLiteral("f.value")), QStringLiteral("xy"));
}

// Pages that need no network still load.
void TestWebEngineControl::offlineBlocksOnlyNetworkLoads()
{
    m_engine->server.serveHtml(QStringLiteral("/net"), QStringLiteral("<title>Reached</title>"));
    m_web->setOffline(true);
    QVERIFY(navigateAndWait(*m_web, url("/net")));
    QVERIFY(!m_engine->server.requestedPaths().contains(QStringLiteral("/net")));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("local.html")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<title>Local</title>") > 0);
    file.close();
    const QStringList local { file.fileName(), "data:text/html,<title>Inline</title>" };
    for (const QString &address : local) {
        QVERIFY(navigateAndWait(*m_web, address));
        QTRY_COMPARE(
            m_web->locationName(), QLatin1String(address == local[0] ? "Local" : "Inline"));
    }
    m_web->setOffline(false);
    QVERIFY(navigateAndWait(*m_web, url("/net")));
    QTRY_COMPARE(m_web->locationName(), QStringLiteral("Reached"));
}

// Settings of a profile on disk outlive it; an off-the-record profile writes nothing.
void TestWebEngineControl::profileSettingsLastOnlyOnDisk()
{
    QTemporaryDir storage;
    const QUrl home(QStringLiteral("http://home.example/start"));
    for (const char *name : { "first", "second" }) {
        QWebEngineProfile profile { QString::fromLatin1(name) };
        profile.setPersistentStoragePath(storage.filePath(QStringLiteral("storage")));
        profile.setCachePath(storage.filePath(QStringLiteral("cache")));
        ProfileSettings settings(&profile);
        QCOMPARE(settings.homePage() == home, name == QByteArray("second"));
        QCOMPARE(settings.imagesEnabled(), name == QByteArray("first"));
        QVERIFY(settings.javaScriptEnabled());
        settings.setHomePage(home);
        settings.setImagesEnabled(false);
    }
    ProfileSettings settings(&m_engine->profile);
    settings.setJavaScriptEnabled(false);
    QVERIFY(!settings.javaScriptEnabled());
    QVERIFY(!QFileInfo::exists(QDir(m_engine->profile.persistentStoragePath())
                                   .filePath(QStringLiteral("internet-properties.ini"))));
}

// A window closed while its page works on an answer: the answer must not reach the dead window.
void TestWebEngineControl::resultsAfterTheControlIsGoneAreDropped()
{
    QVERIFY(navigateAndWait(*m_web, QStringLiteral("data:text/html,<p>text</p>")));
    int late = 0;
    m_web->requestMarkup([&late](const QString &) { ++late; });
    m_web->requestProperties([&late](const WebControl::PageProperties &) { ++late; });
    m_engine->controls.clear();
    WebEngineControl *other = m_engine->newControl();
    QVERIFY(navigateAndWait(*other, QStringLiteral("data:text/html,<p>other</p>")));
    std::optional<QString> markup;
    other->requestMarkup([&markup](const QString &text) { markup = text; });
    QTRY_VERIFY(markup.has_value());
    QCOMPARE(late, 0);
}

void TestWebEngineControl::sizeRequestsArriveInWidgetPixels_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<qreal>("zoom");
    QTest::newRow("window.open size features")
        << "window.open('/popup', '', 'width=300,height=250')" << 1.0;
    // Zoom scales CSS pixels but not the screen coordinates that sizes are asked in.
    QTest::newRow("resizeTo from a zoomed page") << "window.open('/resize')" << 2.0;
}

void TestWebEngineControl::sizeRequestsArriveInWidgetPixels()
{
    QFETCH(QString, script);
    QFETCH(qreal, zoom);
    m_engine->server.serveHtml(QStringLiteral("/popup"), QStringLiteral("<title>Popup</title>"));
    m_engine->server.serveHtml(
        QStringLiteral("/resize"), QStringLiteral("<script>window.resizeTo(300, 250)</script>"));
    QSize requested;
    connect(m_web, &WebControl::newWindowRequested, this, [&](WebControl::NewWindowRequest &r) {
        r.target = m_engine->newControl();
        r.target->setZoomFactor(zoom);
        connect(r.target, &WebControl::widthRequested, this, [&](int w) { requested.setWidth(w); });
        connect(
            r.target, &WebControl::heightRequested, this, [&](int h) { requested.setHeight(h); });
    });
    QVERIFY(load("/opener", QStringLiteral("<script>%1</script>").arg(script)));
    QTRY_COMPARE_WITH_TIMEOUT(requested, QSize(300, 250), loadTimeoutMs);
}

QTEST_MAIN(TestWebEngineControl)
#include "tst_webenginecontrol.moc"
