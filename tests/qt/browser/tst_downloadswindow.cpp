// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/downloadswindow.h"
#include "browser/webcontrol/download.h"
#include "support/fakelauncher.h"

#include <QAbstractItemView>
#include <QTest>
#include <QToolButton>

namespace {
class FakeDownload : public Download
{
public:
    QString path() const override { return QStringLiteral("/tmp/dl/report.pdf"); }
    State state() const override { return current; }
    QString failureReason() const override { return reason; }
    void cancel() override { end(State::Cancelled); }

    void end(State state, const QString &why = {})
    {
        current = state;
        reason = why;
        emit finished();
    }

    State current = State::InProgress;
    QString reason;
};
} // namespace

class TestDownloadsWindow : public QObject
{
    Q_OBJECT

private slots:
    void rowFollowsItsDownload_data();
    void rowFollowsItsDownload();

private:
    QString cell(int column) const { return m_list->model()->index(0, column).data().toString(); }
    QToolButton *button(const char *name) const
    {
        QWidget *row
            = m_list->indexWidget(m_list->model()->index(0, DownloadListModel::ActionsColumn));
        return row->findChild<QToolButton *>(QLatin1String(name));
    }

    QAbstractItemView *m_list = nullptr;
};

void TestDownloadsWindow::rowFollowsItsDownload_data()
{
    QTest::addColumn<Download::State>("end");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("done") << Download::State::Done << QStringLiteral("Done")
                          << QStringList { QStringLiteral("/tmp/dl/report.pdf"),
                                 QStringLiteral("folder:/tmp/dl/report.pdf") };
    QTest::newRow("cancelled") << Download::State::Cancelled << QStringLiteral("Cancelled")
                               << QStringList();
    QTest::newRow("failed") << Download::State::Failed << QStringLiteral("Failed: Disk full")
                            << QStringList();
}

void TestDownloadsWindow::rowFollowsItsDownload()
{
    QFETCH(Download::State, end);
    FakeLauncher launcher;
    DownloadsWindow window(launcher);
    m_list = window.findChild<QAbstractItemView *>(QStringLiteral("downloadList"));
    FakeDownload download;
    window.add(&download);
    emit download.progressed(512, 2048);
    QCOMPARE(cell(DownloadListModel::NameColumn), QStringLiteral("report.pdf"));
    QCOMPARE(cell(DownloadListModel::StateColumn), QStringLiteral("In progress"));
    QCOMPARE(m_list->model()
                 ->index(0, DownloadListModel::ProgressColumn)
                 .data(DownloadListModel::PercentRole),
        25);
    QCOMPARE(window.runningCount(), 1);
    QVERIFY(!button("open")->isEnabled());

    if (end == Download::State::Cancelled)
        QTest::mouseClick(button("cancel"), Qt::LeftButton);
    else
        download.end(end, QStringLiteral("Disk full"));
    QTEST(cell(DownloadListModel::StateColumn), "state");
    QCOMPARE(window.runningCount(), 0);
    QVERIFY(!button("cancel")->isEnabled());
    for (const char *name : { "open", "showInFolder" }) {
        if (button(name)->isEnabled())
            QTest::mouseClick(button(name), Qt::LeftButton);
    }
    QTEST(launcher.addresses, "opened");
}

QTEST_MAIN(TestDownloadsWindow)
#include "tst_downloadswindow.moc"
