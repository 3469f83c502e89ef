// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/webcontrol.h"
#include "support/fakeenginesettings.h"

#include <QStringList>
#include <QWidget>

// Records what the browser window asks of its web control; tests raise the control's events by
// emitting its signals directly.
class FakeWebControl : public WebControl
{
    Q_OBJECT

public:
    explicit FakeWebControl(QObject *parent = nullptr);
    ~FakeWebControl() override;

    QWidget *widget() override { return m_widget; }
    void navigate(const QString &address) override;
    void goBack() override { calls.append(QStringLiteral("goBack")); }
    void goForward() override { calls.append(QStringLiteral("goForward")); }
    void goHome() override { calls.append(QStringLiteral("goHome")); }
    void stop() override { calls.append(QStringLiteral("stop")); }
    void refresh() override { calls.append(QStringLiteral("refresh")); }
    QString locationName() const override { return name; }
    QString locationUrl() const override { return url; }
    void requestMarkup(std::function<void(const QString &)> callback) override;
    void setDesignMode(bool on) override;
    void requestProperties(std::function<void(const PageProperties &)> callback) override;
    void setOffline(bool offline) override;
    void setAudioMuted(bool muted) override { audioMuted = muted; }
    void discard() override { calls.append(QStringLiteral("discard")); }
    void setZoomFactor(double factor) override { zoomFactor = factor; }
    void savePage(const QString &path) override;
    void print(QPrinter *printer) override;
    void findText(const QString &text, bool backward, bool caseSensitive) override;
    void execute(Command command) override;
    EngineSettings &engineSettings() override { return settings; }

    QStringList navigations;
    QStringList calls;
    QList<Command> commands;
    QString name;
    QString url;
    QString markup;
    PageProperties properties;
    bool audioMuted = false;
    double zoomFactor = 1.0;
    bool designMode = false;
    FakeEngineSettings settings;
    QPrinter *printedOn = nullptr; // the printer of the last print

private:
    QWidget *m_widget;
};
