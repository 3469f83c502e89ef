// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/downloadmanager.h"

#include "browser/core/questionqueue.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "browser/webcontrol/qtwebengine/webenginedownload.h"

#include <QDir>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

DownloadManager::DownloadManager(
    QWebEngineProfile *profile, PathChooser choosePath, QObject *parent)
    : QObject(parent)
    , m_choosePath(std::move(choosePath))
{
    connect(profile, &QWebEngineProfile::downloadRequested, this, &DownloadManager::onRequested);
}

void DownloadManager::onRequested(QWebEngineDownloadRequest *request)
{
    if (request->isSavePageDownload())
        return;
    // The engine tries a download whose connection broke again, under the same number: it goes
    // on where it was, without asking the user again.
    if (const QPointer<WebEngineDownload> running = m_running.value(request->id());
        running && running->state() == Download::State::InProgress) {
        running->attach(request);
        return;
    }
    // The engine drops a request that is not accepted before this handler returns, so a
    // download asked for while another question of its page is open is refused.
    std::optional<QString> path;
    auto choose = [&] {
        path = ask(request);
        return path.has_value();
    };
    auto *control = WebEngineControl::forPage(request->page());
    const bool chosen = control ? control->questions().askNow(choose) : choose();
    if (!chosen) {
        request->cancel();
        return;
    }
    auto *download = new WebEngineDownload(request, *path, this);
    m_running.insert(request->id(), download);
    emit started(download);
}

std::optional<QString> DownloadManager::ask(QWebEngineDownloadRequest *request)
{
    QString name = request->suggestedFileName();
    if (name.isEmpty())
        name = request->downloadFileName();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QWidget *view = QWebEngineView::forPage(request->page());
    auto path = m_choosePath(view ? view->window() : nullptr, QDir(folder).filePath(name));
    if (path && path->isEmpty())
        return std::nullopt;
    return path;
}
