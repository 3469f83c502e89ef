// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/deferredprofile.h"

#include "browser/webcontrol/qtwebengine/profilesettings.h"

#include <QEvent>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWindow>

DeferredProfile::DeferredProfile(Factory make, QObject *parent)
    : QObject(parent)
    , m_make(std::move(make))
{
}

DeferredProfile::DeferredProfile(QWebEngineProfile *made, QObject *parent)
    : QObject(parent)
    , m_profile(made)
    , m_settings(std::make_unique<ProfileSettings>(made))
{
}

DeferredProfile::~DeferredProfile() = default;

QWebEngineProfile *DeferredProfile::profile()
{
    if (!m_profile) {
        m_profile = m_make(this);
        m_settings = std::make_unique<ProfileSettings>(m_profile);
        emit made(m_profile);
    }
    return m_profile;
}

ProfileSettings &DeferredProfile::settings()
{
    profile();
    return *m_settings;
}

void DeferredProfile::makeAfterFirstPaint(QWindow *window)
{
    if (isMade())
        return;
    if (window->isExposed())
        QTimer::singleShot(0, this, &DeferredProfile::profile);
    else
        window->installEventFilter(this);
}

// The window paints while it handles its first expose; the engine starts after that.
bool DeferredProfile::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &DeferredProfile::profile);
    }
    return false;
}
