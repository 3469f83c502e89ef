// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/downloadswindow.h"

#include "browser/webcontrol/download.h"
#include "common/launcher.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Draws the progress column as a progress bar, busy while the size is unknown.
class ProgressDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        const int percent = index.data(DownloadListModel::PercentRole).toInt();
        QStyleOptionProgressBar bar;
        bar.rect = option.rect.adjusted(2, 2, -2, -2);
        bar.state = option.state | QStyle::State_Horizontal;
        bar.minimum = 0;
        bar.maximum = percent < 0 ? 0 : 100;
        bar.progress = qMax(percent, 0);
        bar.text = index.data().toString();
        bar.textVisible = true;
        QApplication::style()->drawControl(QStyle::CE_ProgressBar, &bar, painter);
    }
};

DownloadListModel::State listState(Download::State state)
{
    switch (state) {
    case Download::State::InProgress:
        return DownloadListModel::State::InProgress;
    case Download::State::Done:
        return DownloadListModel::State::Done;
    case Download::State::Cancelled:
        return DownloadListModel::State::Cancelled;
    case Download::State::Failed:
        return DownloadListModel::State::Failed;
    }
    return DownloadListModel::State::Failed;
}

QToolButton *addButton(QWidget *row, const char *name, const QString &caption)
{
    auto *button = new QToolButton(row);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    row->layout()->addWidget(button);
    return button;
}

} // namespace

DownloadsWindow::DownloadsWindow(Launcher &launcher, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_launcher(launcher)
    , m_list(new QTreeView(this))
{
    setObjectName(QStringLiteral("downloads"));
    setWindowTitle(QStringLiteral("Orbello's Web Viewer - Downloads"));
    m_list->setObjectName(QStringLiteral("downloadList"));
    m_list->setAccessibleName(QStringLiteral("Downloads"));
    m_list->setRootIsDecorated(false);
    m_list->setModel(&m_model);
    m_list->setItemDelegateForColumn(
        DownloadListModel::ProgressColumn, new ProgressDelegate(m_list));
    m_list->header()->setSectionResizeMode(DownloadListModel::NameColumn, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(DownloadListModel::ProgressColumn, 180);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    // Wide enough for the fixed columns, a row's three buttons and a file name beside them.
    resize(820, 280);
    m_clock.start();
}

void DownloadsWindow::add(Download *download)
{
    const int row = m_model.add(QFileInfo(download->path()).fileName(), m_clock.elapsed());
    m_downloads.append(download);
    m_list->setIndexWidget(m_model.index(row, DownloadListModel::ActionsColumn), rowButtons(row));
    m_list->resizeColumnToContents(DownloadListModel::ActionsColumn);
    follow(download, row);
}

void DownloadsWindow::follow(Download *download, int row)
{
    connect(download, &Download::progressed, this, [this, row](qint64 received, qint64 total) {
        m_model.setReceived(row, received, total, m_clock.elapsed());
    });
    connect(download, &Download::finished, this, [this, row] { onFinished(row); });
    if (download->state() != Download::State::InProgress)
        onFinished(row);
}

QWidget *DownloadsWindow::rowButtons(int row)
{
    auto *buttons = new QWidget;
    new QHBoxLayout(buttons);
    buttons->layout()->setContentsMargins(0, 0, 0, 0);
    QToolButton *cancel = addButton(buttons, "cancel", QStringLiteral("Cancel"));
    QToolButton *open = addButton(buttons, "open", QStringLiteral("Open"));
    QToolButton *folder = addButton(buttons, "showInFolder", QStringLiteral("Show in folder"));
    open->setEnabled(false);
    folder->setEnabled(false);
    const QPointer<Download> download = m_downloads.at(row);
    connect(cancel, &QToolButton::clicked, this, [download] {
        if (download)
            download->cancel();
    });
    const QString path = download->path();
    // A file type nothing opens is the desktop's to explain; nothing is lost here.
    connect(open, &QToolButton::clicked, this, [this, path] { m_launcher.openFile(path, [] {}); });
    connect(folder, &QToolButton::clicked, this,
        [this, path] { m_launcher.showInFolder(path, [] {}); });
    return buttons;
}

void DownloadsWindow::onFinished(int row)
{
    Download *download = m_downloads.at(row);
    if (!download)
        return;
    m_model.finish(row, listState(download->state()), download->failureReason());
    QWidget *buttons = m_list->indexWidget(m_model.index(row, DownloadListModel::ActionsColumn));
    const bool done = download->state() == Download::State::Done;
    buttons->findChild<QToolButton *>(QStringLiteral("cancel"))->setEnabled(false);
    buttons->findChild<QToolButton *>(QStringLiteral("open"))->setEnabled(done);
    buttons->findChild<QToolButton *>(QStringLiteral("showInFolder"))->setEnabled(done);
}
