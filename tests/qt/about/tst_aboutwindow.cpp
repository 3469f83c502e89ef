// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "support/fakeworkspace.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <memory>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hidesAndStaysLoaded_data();
    void hidesAndStaysLoaded();
    void downloadOpensOneWindowPerClick();

private:
    void showAndActivate();

    std::unique_ptr<FakeWorkspace> m_workspace;
    std::unique_ptr<AboutWindow> m_about;
};

void TestAboutWindow::init()
{
    m_workspace = std::make_unique<FakeWorkspace>();
    m_about = std::make_unique<AboutWindow>(*m_workspace);
}

void TestAboutWindow::cleanup()
{
    m_about.reset();
    m_workspace.reset();
}

void TestAboutWindow::showAndActivate()
{
    m_about->show();
    m_about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
}

void TestAboutWindow::hidesAndStaysLoaded_data()
{
    QTest::addColumn<int>("key"); // 0: a click on OK
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAboutWindow::hidesAndStaysLoaded()
{
    QFETCH(int, key);
    showAndActivate();
    QPointer<QLabel> description = m_about->findChild<QLabel *>(QStringLiteral("Label2"));
    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(
            m_about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(!m_about->isVisible());
    QVERIFY(m_workspace->openedBrowserAddresses.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(description);
}

void TestAboutWindow::downloadOpensOneWindowPerClick()
{
    showAndActivate();
    auto *download = m_about->findChild<QPushButton *>(QStringLiteral("Command1"));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(m_workspace->openedBrowserAddresses.size(), 2);
    const QUrl url(m_workspace->openedBrowserAddresses.first(), QUrl::StrictMode);
    QVERIFY2(url.isValid() && !url.host().isEmpty(), qPrintable(url.toString()));
    QVERIFY(!QUrlQuery(url).queryItemValue(QStringLiteral("fid")).isEmpty());
    QVERIFY(m_about->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
