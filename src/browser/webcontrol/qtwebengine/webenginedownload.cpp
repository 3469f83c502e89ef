// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/webenginedownload.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineDownloadRequest>

WebEngineDownload::WebEngineDownload(
    QWebEngineDownloadRequest *request, const QString &path, QObject *parent)
    : Download(parent)
    , m_path(path)
    , m_temporaryPath(temporaryPath(path))
{
    // The engine cancels a download whose folder it cannot make; the user must see why.
    const QFileInfo target(m_temporaryPath);
    if (!target.dir().exists() && !QDir().mkpath(target.absolutePath())) {
        request->cancel();
        end(State::Failed,
            tr("The folder %1 cannot be made.")
                .arg(QDir::toNativeSeparators(target.absolutePath())));
        return;
    }
    attach(request);
}

void WebEngineDownload::attach(QWebEngineDownloadRequest *request)
{
    if (m_request)
        disconnect(m_request, nullptr, this, nullptr);
    m_request = request;
    const QFileInfo target(m_temporaryPath);
    request->setDownloadDirectory(target.absolutePath());
    request->setDownloadFileName(target.fileName());
    connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this,
        [this] { emit progressed(m_request->receivedBytes(), m_request->totalBytes()); });
    connect(request, &QWebEngineDownloadRequest::stateChanged, this,
        &WebEngineDownload::onStateChanged);
    request->accept();
}

WebEngineDownload::~WebEngineDownload()
{
    if (m_state != State::InProgress)
        return;
    if (m_request)
        m_request->cancel();
    QFile::remove(m_temporaryPath);
}

QString WebEngineDownload::temporaryPath(const QString &path)
{
    QString candidate = path + QStringLiteral(".part");
    for (int i = 1; QFileInfo::exists(candidate); ++i)
        candidate = QStringLiteral("%1.%2.part").arg(path).arg(i);
    return candidate;
}

void WebEngineDownload::cancel()
{
    if (m_request && m_state == State::InProgress) {
        m_cancelled = true;
        m_request->cancel();
    }
}

void WebEngineDownload::onStateChanged()
{
    switch (m_request->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        complete();
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        // Nobody here asked for it: the engine gave up on the file.
        if (m_cancelled)
            end(State::Cancelled);
        else
            end(State::Failed, tr("The file could not be written."));
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        end(State::Failed, m_request->interruptReasonString());
        break;
    default:
        break;
    }
}

void WebEngineDownload::complete()
{
    // The user agreed to replace an existing file in the save dialog.
    if (QFileInfo::exists(m_path))
        QFile::remove(m_path);
    QFile written(m_temporaryPath);
    if (written.rename(m_path))
        end(State::Done);
    else
        end(State::Failed,
            tr("The file could not be renamed to %1: %2")
                .arg(QDir::toNativeSeparators(m_path), written.errorString()));
}

void WebEngineDownload::end(State state, const QString &reason)
{
    if (m_state != State::InProgress)
        return;
    if (state != State::Done)
        QFile::remove(m_temporaryPath);
    m_state = state;
    m_reason = reason;
    emit finished();
}
