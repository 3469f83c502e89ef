// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/filedrop.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {
QString droppedFile(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}
} // namespace

FileDrop::FileDrop(
    QAbstractScrollArea *editor, std::function<void(const QString &path)> open, QObject *parent)
    : QObject(parent)
    , m_open(std::move(open))
{
    // Drag and drop events reach a scroll area through its viewport.
    editor->viewport()->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // Opening may ask questions; the drag has ended by the time they come up.
        QMetaObject::invokeMethod(
            this, [this, path] { m_open(path); }, Qt::QueuedConnection);
    }
    return true;
}
