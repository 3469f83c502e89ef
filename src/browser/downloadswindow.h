// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/downloadlistmodel.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWidget>

class Download;
class Launcher;
class QTreeView;

// The program's one Downloads window: every download of this run with its progress, speed and
// state, and per row Cancel, Open and Show in folder. Closing it only hides it.
class DownloadsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DownloadsWindow(Launcher &launcher, QWidget *parent = nullptr);

    // Lists `download` and follows it until it ends.
    void add(Download *download);
    int runningCount() const { return m_model.runningCount(); }

private:
    QWidget *rowButtons(int row);
    void follow(Download *download, int row);
    void onFinished(int row);

    Launcher &m_launcher;
    DownloadListModel m_model;
    QTreeView *m_list;
    QList<QPointer<Download>> m_downloads; // by row
    QElapsedTimer m_clock;
};
