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
    void rowFollowsItsDownload_data();
    void rowFollowsItsDownload();

private:
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
    QTest::addColumn<bool>("cancel"); // else it completes
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("done") << false << "Done"
                          << QStringList { "/tmp/dl/report.pdf", "folder:/tmp/dl/report.pdf" };
    QTest::newRow("cancelled") << true << "Cancelled" << QStringList();
}

void TestDownloadsWindow::rowFollowsItsDownload()
{
    QFETCH(bool, cancel);
    FakeLauncher launcher;
    DownloadsWindow window(launcher);
    m_list = window.findChild<QAbstractItemView *>(QStringLiteral("downloadList"));
    FakeDownload download;
    window.add(&download);
    emit download.progressed(512, 2048);
    QCOMPARE(m_list->model()->index(0, DownloadListModel::NameColumn).data().toString(),
        QStringLiteral("report.pdf"));
    QCOMPARE(window.runningCount(), 1);
    QVERIFY(!button("open")->isEnabled());
    if (cancel)
        QTest::mouseClick(button("cancel"), Qt::LeftButton);
    else
        download.end(Download::State::Done);
    QTEST(m_list->model()->index(0, DownloadListModel::StateColumn).data().toString(), "state");
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
