// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/download.h"

#include <QPointer>

class QWebEngineDownloadRequest;

// A download of the engine, written under a temporary name beside its final path and renamed to
// it only when complete, so a cancelled or failed download never leaves a file that looks whole.
class WebEngineDownload : public Download
{
    Q_OBJECT

public:
    // Accepts `request` to be saved as `path`.
    WebEngineDownload(QWebEngineDownloadRequest *request, const QString &path, QObject *parent);
    // A download still running when the program ends is cancelled and leaves nothing behind.
    ~WebEngineDownload() override;

    // A free name beside `path` to write to until the download is complete.
    static QString temporaryPath(const QString &path);

    QString path() const override { return m_path; }
    State state() const override { return m_state; }
    QString failureReason() const override { return m_reason; }
    void cancel() override;

    // Goes on with `request`, the engine's new try at this download, in the same file.
    void attach(QWebEngineDownloadRequest *request);

private:
    void onStateChanged();
    void complete();
    void end(State state, const QString &reason = {});

    QPointer<QWebEngineDownloadRequest> m_request;
    QString m_path;
    QString m_temporaryPath;
    State m_state = State::InProgress;
    bool m_cancelled = false; // by the user
    QString m_reason;
};
