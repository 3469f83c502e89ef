// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSize;
class QWidget;

// The frame's size, place and maximized state from one run to the next, kept in a small settings
// file in the program's data directory.
class FramePlacement
{
public:
    explicit FramePlacement(const QString &settingsPath);

    // Places the frame before it is first shown: as it was last closed, brought onto the screens
    // there are now; on the first start at its own size, grown to `needed`, centred.
    void restore(QWidget *frame, const QSize &needed) const;

    // One quick write and no question: it runs while the program ends.
    void save(const QWidget *frame) const;

private:
    QString m_settingsPath;
};
