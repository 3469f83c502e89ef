// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageengineloader.h"

#include <QtTest>
#include <QtWidgets>

// The engine's module loads once the first window has been drawn; one that cannot be loaded is
// reported, once.
class TestPageEngineLoader : public QObject
{
    Q_OBJECT

private slots:
    void failureIsReportedAfterTheFirstPaint_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/libwebviewer_engine.so")
                                 << QStringLiteral("/nonexistent/libwebviewer_engine.so");
        QTest::newRow("not the engine")
            << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Test.so.6")
            << QStringLiteral("libQt6Test.so.6 is not the web engine");
    }

    void failureIsReportedAfterTheFirstPaint()
    {
        QFETCH(QString, module);
        QFETCH(QString, reason);
        QObject program;
        auto *loader = new PageEngineLoader({ module }, {}, &program);
        QSignalSpy loaded(loader, &PageEngineLoader::loaded);
        QSignalSpy failed(loader, &PageEngineLoader::failed);
        QWidget window;
        window.show();
        bool drawnFirst = false;
        connect(loader, &PageEngineLoader::failed, this,
            [&] { drawnFirst = window.windowHandle()->isExposed(); });
        loader->loadAfterFirstPaint(window.windowHandle());
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(drawnFirst);
        QVERIFY2(failed.value(0).value(0).toString().contains(reason),
            qPrintable(failed.value(0).value(0).toString()));
        loader->load();
        QCOMPARE(failed.size() + loaded.size(), 1);
    }
};

QTEST_MAIN(TestPageEngineLoader)
#include "tst_pageengineloader.moc"
