// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/changemonitor.h"

#include "textpad/core/documentrules.h"
#include "textpad/richtext/richtextcontrol.h"

#include <QLabel>

ChangeMonitor::ChangeMonitor(
    RichTextControl *tb, std::function<bool()> saved, QLabel *panel, QObject *parent)
    : QObject(parent)
    , m_tb(tb)
    , m_saved(std::move(saved))
    , m_panel(panel)
    , m_ti(this)
{
    setObjectName(QStringLiteral("changeMonitor"));
    m_ti.setObjectName(QStringLiteral("ti"));
    m_ti.setInterval(1000);
    connect(&m_ti, &QTimer::timeout, this, &ChangeMonitor::tick);
    m_ti.start();
}

void ChangeMonitor::tick()
{
    const QString line = textpad::monitorLine(m_saved(), m_tb->plainTextSize());
    if (m_panel->text() != line)
        m_panel->setText(line);
}
