// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "support/fakeworkspace.h"

#include <QtTest>
#include <QtWidgets>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    // The download button opens a browser window per click and leaves this one up; OK and Esc
    // hide it but keep it loaded.
    void downloadThenOkAndEscHideTheWindowAndKeepItLoaded()
    {
        FakeWorkspace workspace;
        AboutWindow about(workspace);
        QPointer<QLabel> description = about.findChild<QLabel *>(QStringLiteral("Label2"));
        const auto show = [&about] {
            about.show();
            about.activateWindow();
            return QTest::qWaitForWindowActive(&about);
        };
        QVERIFY(show());
        auto *download = about.findChild<QPushButton *>(QStringLiteral("Command1"));
        QTest::mouseClick(download, Qt::LeftButton);
        QTest::mouseClick(download, Qt::LeftButton);
        QCOMPARE(workspace.openedBrowserAddresses.size(), 2);
        QVERIFY(QUrl(workspace.openedBrowserAddresses.first(), QUrl::StrictMode).isValid());
        for (bool esc : { false, true }) {
            QVERIFY(about.isVisible() || show());
            if (esc)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                QTest::mouseClick(
                    about.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
            QTRY_VERIFY(!about.isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(description);
        }
        QCOMPARE(workspace.openedBrowserAddresses.size(), 2);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
