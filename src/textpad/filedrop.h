// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QAbstractScrollArea;

// Takes drops of local files off an editor and hands the first file's path to `open`; dropped
// text and web addresses go on to the editor, which inserts them as text.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    FileDrop(QAbstractScrollArea *editor, std::function<void(const QString &path)> open,
        QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &path)> m_open;
};
