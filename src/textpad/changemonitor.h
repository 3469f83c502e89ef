// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QLabel;
class RichTextControl;

// Once a second, the first status panel tells whether the document has unsaved changes and how many
// bytes a plain save would write. The timer (`ti`) runs for the window's whole life, hidden or not.
class ChangeMonitor : public QObject
{
    Q_OBJECT
public:
    ChangeMonitor(RichTextControl *tb, std::function<bool()> saved, QLabel *panel, QObject *parent);

    void tick();

private:
    RichTextControl *m_tb;
    std::function<bool()> m_saved;
    QLabel *m_panel;
    QTimer m_ti;
};
