// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/pageengine.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class Download;
class WebEngineDownload;
class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWidget;

// Every download of a profile's pages: asks where to save it and starts it there. Saved pages are
// left alone; the command that saves them already chose their place.
class DownloadManager : public QObject
{
    Q_OBJECT

public:
    using PathChooser = PageEngine::PathChooser;

    DownloadManager(QWebEngineProfile *profile, PathChooser choosePath, QObject *parent = nullptr);

signals:
    // The download belongs to the manager and lives as long as it does.
    void started(Download *download);

private:
    void onRequested(QWebEngineDownloadRequest *request);
    std::optional<QString> ask(QWebEngineDownloadRequest *request);

    PathChooser m_choosePath;
    // Running downloads by the engine's number for them.
    QHash<quint32, QPointer<WebEngineDownload>> m_running;
};
