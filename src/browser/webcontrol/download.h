// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// One file being downloaded to a place the user chose. It reports its progress and ends once,
// done, cancelled or failed; a file only appears under its final path when it is complete.
class Download : public QObject
{
    Q_OBJECT

public:
    enum class State { InProgress, Done, Cancelled, Failed };
    Q_ENUM(State)

    using QObject::QObject;

    virtual QString path() const = 0;
    virtual State state() const = 0;
    // Why a failed download failed, in the engine's words.
    virtual QString failureReason() const = 0;
    virtual void cancel() = 0;

signals:
    // `total` is -1 while the size is unknown.
    void progressed(qint64 received, qint64 total);
    void finished();
};
