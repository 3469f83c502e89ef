// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/downloadswindow.h"
#include "browser/webcontrol/download.h"
#include "support/fakelauncher.h"

#include <QtTest>
#include <QtWidgets>

namespace {
struct FakeDownload : Download
{
    QString path() const override { return QStringLiteral("/tmp/dl/report.pdf"); }
    State state() const override { return current; }
    QString failureReason() const override { return {}; }
    void cancel() override { end(State::Cancelled); }
    void end(State state)
    {
        current = state;
        emit finished();
    }
    State current = State::InProgress;
};
} // namespace

class TestDownloadsWindow : public QObject
{
    Q_OBJECT

private slots:
    void rowFollowsItsDownload_data()
    {
        QTest::addColumn<bool>("cancel"); // else it completes
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("done") << false << "Done"
                              << QStringList { "/tmp/dl/report.pdf", "folder:/tmp/dl/report.pdf" };
        QTest::newRow("cancelled") << true << "Cancelled" << QStringList();
    }

    void rowFollowsItsDownload()
    {
        FakeLauncher launcher;
        DownloadsWindow window(launcher);
        auto *list = window.findChild<QAbstractItemView *>(QStringLiteral("downloadList"));
        const auto cell = [list](int column) { return list->model()->index(0, column); };
        const auto button = [&](const char *name) {
            return list->indexWidget(cell(DownloadListModel::ActionsColumn))
                ->findChild<QToolButton *>(QLatin1String(name));
        };
        FakeDownload download;
        window.add(&download);
        emit download.progressed(512, 2048);
        QCOMPARE(
            cell(DownloadListModel::NameColumn).data().toString(), QStringLiteral("report.pdf"));
        QCOMPARE(window.runningCount(), 1);
        QVERIFY(!button("open")->isEnabled());
        QFETCH(bool, cancel);
        if (cancel)
            QTest::mouseClick(button("cancel"), Qt::LeftButton);
        else
            download.end(Download::State::Done);
        QTEST(cell(DownloadListModel::StateColumn).data().toString(), "state");
        QCOMPARE(window.runningCount(), 0);
        QVERIFY(!button("cancel")->isEnabled());
        for (const char *name : { "open", "showInFolder" }) {
            if (button(name)->isEnabled())
                QTest::mouseClick(button(name), Qt::LeftButton);
        }
        QTEST(launcher.addresses, "opened");
    }
};

QTEST_MAIN(TestDownloadsWindow)
#include "tst_downloadswindow.moc"
