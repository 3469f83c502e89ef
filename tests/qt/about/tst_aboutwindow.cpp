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
    void okAndEscHideTheWindowAndKeepItLoaded();
    void downloadOpensOneWindowPerClick();

private:
    void show(AboutWindow &about);
};

void TestAboutWindow::show(AboutWindow &about)
{
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
}

void TestAboutWindow::okAndEscHideTheWindowAndKeepItLoaded()
{
    FakeWorkspace workspace;
    AboutWindow about(workspace);
    QPointer<QLabel> description = about.findChild<QLabel *>(QStringLiteral("Label2"));
    for (bool esc : { false, true }) {
        show(about);
        if (esc)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QTest::mouseClick(
                about.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTRY_VERIFY(!about.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(description);
    }
    QVERIFY(workspace.openedBrowserAddresses.isEmpty());
}

void TestAboutWindow::downloadOpensOneWindowPerClick()
{
    FakeWorkspace workspace;
    AboutWindow about(workspace);
    show(about);
    auto *download = about.findChild<QPushButton *>(QStringLiteral("Command1"));
    QTest::mouseClick(download, Qt::LeftButton);
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(workspace.openedBrowserAddresses.size(), 2);
    QVERIFY(QUrl(workspace.openedBrowserAddresses.first(), QUrl::StrictMode).isValid());
    QVERIFY(about.isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
