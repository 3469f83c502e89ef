// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QWebEngineProfile>
#include <functional>
#include <memory>

class ProfileSettings;
class QWindow;

// The engine profile, made when first needed. Making the first profile starts the engine, which
// takes longer than building and drawing the program's windows, so the first window is drawn
// before it: the user sees the program at once, and the page follows.
class DeferredProfile : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<QWebEngineProfile *(QObject *parent)>;
    // `make` gets this object as the profile's parent.
    explicit DeferredProfile(Factory make, QObject *parent = nullptr);
    // A profile that is already made; it must outlive this object's users.
    explicit DeferredProfile(QWebEngineProfile *made, QObject *parent = nullptr);
    ~DeferredProfile() override;

    bool isMade() const { return m_profile != nullptr; }
    // Makes the profile now if need be.
    QWebEngineProfile *profile();
    // The settings every page on the profile shares; makes the profile now if need be.
    ProfileSettings &settings();

    // Makes the profile once `window` has been drawn for the first time (at once when it has).
    void makeAfterFirstPaint(QWindow *window);

signals:
    void made(QWebEngineProfile *profile);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Factory m_make;
    QWebEngineProfile *m_profile = nullptr;
    std::unique_ptr<ProfileSettings> m_settings;
};
