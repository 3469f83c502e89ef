// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "support/fakeworkspace.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hidesAndStaysLoaded_data();
    void hidesAndStaysLoaded();
    void downloadOpensOneWindowPerClick();

private:
    FakeWorkspace m_workspace;
    std::unique_ptr<AboutWindow> m_about;
};

void TestAboutWindow::init()
{
    m_workspace = FakeWorkspace();
    m_about = std::make_unique<AboutWindow>(m_workspace);
    m_about->show();
    m_about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
}

void TestAboutWindow::hidesAndStaysLoaded_data()
{
    QTest::addColumn<int>("key"); // 0: a click on OK
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAboutWindow::hidesAndStaysLoaded()
{
    QFETCH(int, key);
    QPointer<QLabel> description = m_about->findChild<QLabel *>(QStringLiteral("Label2"));
    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(
            m_about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(!m_about->isVisible());
    QVERIFY(m_workspace.openedBrowserAddresses.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(description);
}

void TestAboutWindow::downloadOpensOneWindowPerClick()
{
    auto *download = m_about->findChild<QPushButton *>(QStringLiteral("Command1"));
    QTest::mouseClick(download, Qt::LeftButton);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(m_workspace.openedBrowserAddresses.size(), 2);
    QVERIFY(QUrl(m_workspace.openedBrowserAddresses.first(), QUrl::StrictMode).isValid());
    QVERIFY(m_about->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
