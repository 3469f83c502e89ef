// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/memoryenginesettings.h"
#include "browser/webcontrol/webcontrol.h"

#include <QPointer>
#include <functional>

// The control of a page whose engine is not there yet: the browser window gets it at once, so it
// can be built and drawn before the engine starts. It shows an empty page area and keeps what it
// is told (the last address, offline, mute, zoom); attach() hands all that to the engine's
// control, which then fills the page area and does the work. What needs the page itself (commands,
// reading the page) asks for the engine at once.
class DeferredWebControl : public WebControl
{
    Q_OBJECT

public:
    // `needEngine` is called when something cannot wait: it attaches a control if it can.
    explicit DeferredWebControl(std::function<void()> needEngine, QObject *parent = nullptr);
    ~DeferredWebControl() override;

    // Takes `control` over (with its widget) and passes on what was asked so far.
    void attach(WebControl *control);

    QWidget *widget() override;
    void navigate(const QString &address) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void stop() override;
    void refresh() override;
    QString locationName() const override;
    QString locationUrl() const override;
    void requestMarkup(std::function<void(const QString &)> callback) override;
    void setDesignMode(bool on) override;
    void requestProperties(std::function<void(const PageProperties &)> callback) override;
    void setOffline(bool offline) override;
    void setAudioMuted(bool muted) override;
    void discard() override;
    void setZoomFactor(double factor) override;
    void savePage(const QString &path) override;
    void print(QPrinter *printer) override;
    void findText(const QString &text, bool backward, bool caseSensitive) override;
    void execute(Command command) override;
    EngineSettings &engineSettings() override;

private:
    // The engine's control, asked for now; null when the engine could not be started.
    WebControl *control();
    void forwardSignals();

    std::function<void()> m_needEngine;
    // The browser window takes the page area into its layout and deletes it with itself.
    QPointer<QWidget> m_pageArea;
    WebControl *m_control = nullptr; // a child of this object
    MemoryEngineSettings m_noEngineSettings;
    QString m_address;
    bool m_offline = false;
    bool m_muted = false;
    double m_zoomFactor = 1.0;
};
