// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frameplacement.h"

#include "app/core/placementrules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {
const QString geometryKey = QStringLiteral("frame/geometry");
const QString maximizedKey = QStringLiteral("frame/maximized");

// The primary screen first: a frame on none of them goes there.
QList<QRect> availableScreens()
{
    QList<QRect> screens { QGuiApplication::primaryScreen()->availableGeometry() };
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    }
    return screens;
}
} // namespace

FramePlacement::FramePlacement(const QString &settingsPath)
    : m_settingsPath(settingsPath)
{
}

void FramePlacement::restore(QWidget *frame, const QSize &needed) const
{
    const QSettings settings(m_settingsPath, QSettings::IniFormat);
    const QRect saved = settings.value(geometryKey).toRect();
    if (saved.isValid()) {
        frame->setGeometry(clampToScreens(saved, availableScreens()));
        if (settings.value(maximizedKey).toBool())
            frame->setWindowState(frame->windowState() | Qt::WindowMaximized);
        return;
    }
    frame->setGeometry(firstPlacement(frame->size(), needed, availableScreens().first()));
}

void FramePlacement::save(const QWidget *frame) const
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.setValue(geometryKey, frame->normalGeometry());
    settings.setValue(maximizedKey, frame->isMaximized());
    settings.sync();
}
