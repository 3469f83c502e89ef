// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/launcher.h"

#include <QtTest>

class TestLauncher : public QObject
{
    Q_OBJECT
private slots:
    void failureIsReported_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("address");
        QTest::newRow("launcher exits with an error")
            << QStringLiteral("false") << "http://example.org/";
        QTest::newRow("no such launcher")
            << QStringLiteral("/nonexistent/launcher") << "http://example.org/";
        // Would be read as an option, whatever the launcher makes of it.
        QTest::newRow("text starting with a dash") << QStringLiteral("true") << "-x";
    }

    void failureIsReported()
    {
        QFETCH(QString, program);
        QFETCH(QString, address);
        int failures = 0;
        DesktopLauncher(program).openInDefaultBrowser(address, [&failures] { ++failures; });
        QTRY_COMPARE(failures, 1);
    }
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
