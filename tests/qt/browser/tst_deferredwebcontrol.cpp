// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/deferredwebcontrol.h"
#include "support/fakewebcontrol.h"

#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(std::function<void(WebControl &)>)

// A page control that waits for its engine: what it is told before, the engine's control gets.
class TestDeferredWebControl : public QObject
{
    Q_OBJECT

    std::unique_ptr<DeferredWebControl> m_web;
    FakeWebControl *m_engineControl = nullptr;
    bool m_engineStarts = true;
    int m_engineAsked = 0;

    void attach()
    {
        m_engineControl = new FakeWebControl;
        m_web->attach(m_engineControl);
    }

private slots:
    void init()
    {
        m_engineAsked = 0;
        m_engineStarts = true;
        m_engineControl = nullptr;
        m_web = std::make_unique<DeferredWebControl>([this] {
            ++m_engineAsked;
            if (m_engineStarts)
                attach();
        });
    }

    void theEngineGetsWhatWasToldBefore()
    {
        QWidget window;
        m_web->widget()->setParent(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        m_web->widget()->setFocus(); // as the find bar does when it closes
        for (const char *address : { "about:blank", "example.org" })
            m_web->navigate(QLatin1String(address));
        m_web->setOffline(true);
        m_web->setAudioMuted(true);
        m_web->setZoomFactor(2.0);
        m_web->discard();
        QCOMPARE(m_web->locationUrl(), QString());
        QCOMPARE(m_engineAsked, 0);
        attach();
        QCOMPARE(m_engineControl->calls, QStringList({ "offline", "navigate example.org" }));
        QVERIFY(m_engineControl->audioMuted && m_engineControl->zoom == 2.0);
        QCOMPARE(m_engineControl->widget()->parentWidget(), m_web->widget());
        QVERIFY(m_engineControl->widget()->hasFocus());

        // Its events come through; requests are answered by whoever handles this control's.
        QSignalSpy titles(m_web.get(), &WebControl::titleChanged);
        emit m_engineControl->titleChanged(QStringLiteral("Title"));
        QCOMPARE(titles.value(0).value(0).toString(), QStringLiteral("Title"));
        connect(m_web.get(), &WebControl::newWindowRequested, this,
            [this](WebControl::NewWindowRequest &request) { request.target = m_web.get(); });
        WebControl::NewWindowRequest request;
        emit m_engineControl->newWindowRequested(request);
        QCOMPARE(request.target, m_web.get());
    }

    void commandsStartTheEngine_data()
    {
        QTest::addColumn<std::function<void(WebControl &)>>("command");
        QTest::addColumn<QString>("call");
        QTest::newRow("back") << std::function([](WebControl &web) { web.goBack(); }) << "goBack";
        QTest::newRow("stop") << std::function([](WebControl &web) { web.stop(); }) << "stop";
        QTest::newRow("find") << std::function([](WebControl &web) {
            web.findText("a", false, false);
        }) << "find a forward nocase";
        QTest::newRow("markup") << std::function([](WebControl &web) {
            web.requestMarkup([](const QString &) {});
        }) << "requestMarkup";
    }

    void commandsStartTheEngine()
    {
        QFETCH(std::function<void(WebControl &)>, command);
        QFETCH(QString, call);
        command(*m_web);
        QCOMPARE(m_engineAsked, 1);
        QCOMPARE(m_engineControl->calls, QStringList({ QStringLiteral("online"), call }));
    }

    // The engine could not be started: commands do nothing, and those that answer still do.
    void withoutAnEngineEverythingAnswers()
    {
        m_engineStarts = false;
        QSignalSpy printed(m_web.get(), &WebControl::printFinished);
        m_web->print(nullptr);
        m_web->goBack();
        std::optional<QString> markup;
        m_web->requestMarkup([&markup](const QString &text) { markup = text; });
        m_web->engineSettings().setHomePage(QUrl(QStringLiteral("http://example.org/")));
        QCOMPARE(printed.value(0).value(0).toBool(), false);
        QCOMPARE(markup, QString());
        QCOMPARE(m_web->engineSettings().homePage().host(), QStringLiteral("example.org"));
    }
};

QTEST_MAIN(TestDeferredWebControl)
#include "tst_deferredwebcontrol.moc"
