// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frameplacement.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TestFramePlacement : public QObject
{
    Q_OBJECT

private slots:
    void comesBackAsItWasClosed_data();
    void comesBackAsItWasClosed();
    void largerThanTheScreenComesBackOnIt();
};

void TestFramePlacement::comesBackAsItWasClosed_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal") << false;
    QTest::newRow("maximized") << true;
}

void TestFramePlacement::comesBackAsItWasClosed()
{
    QFETCH(bool, maximized);
    QTemporaryDir dir;
    const FramePlacement placement(dir.filePath(QStringLiteral("webviewer.ini")));
    const QRect normal(40, 30, 500, 400);
    QWidget closed;
    closed.setGeometry(normal);
    closed.show();
    if (maximized)
        closed.showMaximized();
    placement.save(&closed);

    QWidget next;
    placement.restore(&next, QSize(100, 100));
    QCOMPARE(next.geometry(), normal);
    QCOMPARE(next.isMaximized(), maximized);
}

void TestFramePlacement::largerThanTheScreenComesBackOnIt()
{
    QTemporaryDir dir;
    const FramePlacement placement(dir.filePath(QStringLiteral("webviewer.ini")));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget closed;
    closed.setGeometry(QRect(screen.topLeft() + QPoint(100, 100), screen.size() * 2));
    placement.save(&closed);

    QWidget next;
    placement.restore(&next, QSize(100, 100));
    QCOMPARE(next.geometry(), screen);
}

QTEST_MAIN(TestFramePlacement)
#include "tst_frameplacement.moc"
