// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/webcontrol.h"
#include "support/fakeenginesettings.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// Records what the browser window asks of its web control, most of it in `calls`; tests raise the
// control's events by emitting its signals directly.
class FakeWebControl : public WebControl
{
public:
    // The browser window may have taken the widget into its layout; it then deletes it itself.
    ~FakeWebControl() override
    {
        if (m_widget && !m_widget->parent())
            delete m_widget;
    }

    QWidget *widget() override { return m_widget; }
    void navigate(const QString &address) override
    {
        navigations.append(address);
        calls.append(QStringLiteral("navigate ") + address);
    }
    void goBack() override { calls.append(QStringLiteral("goBack")); }
    void goForward() override { calls.append(QStringLiteral("goForward")); }
    void goHome() override { calls.append(QStringLiteral("goHome")); }
    void stop() override { calls.append(QStringLiteral("stop")); }
    void refresh() override { calls.append(QStringLiteral("refresh")); }
    QString locationName() const override { return {}; }
    QString locationUrl() const override { return url; }
    void requestMarkup(std::function<void(const QString &)> callback) override
    {
        calls.append(QStringLiteral("requestMarkup"));
        callback(markup);
    }
    void setDesignMode(bool on) override
    {
        designMode = on;
        calls.append(on ? "designMode on" : "designMode off");
    }
    void requestProperties(std::function<void(const PageProperties &)> callback) override
    {
        calls.append(QStringLiteral("requestProperties"));
        callback(properties);
    }
    void setOffline(bool value) override { calls.append(value ? "offline" : "online"); }
    void setAudioMuted(bool muted) override { audioMuted = muted; }
    void discard() override { calls.append(QStringLiteral("discard")); }
    void setZoomFactor(double factor) override { zoom = factor; }
    void savePage(const QString &path) override { calls.append("savePage " + path); }
    void print(QPrinter *printer) override
    {
        printedOn = printer;
        calls.append(QStringLiteral("print"));
    }
    // As "find TEXT forward|backward case|nocase".
    void findText(const QString &text, bool backward, bool caseSensitive) override
    {
        calls.append("find " + text + (backward ? " backward" : " forward")
            + (caseSensitive ? " case" : " nocase"));
    }
    void execute(Command command) override { commands.append(command); }
    EngineSettings &engineSettings() override { return settings; }

    QStringList navigations;
    QStringList calls;
    QList<Command> commands;
    QString url;
    QString markup;
    PageProperties properties;
    bool audioMuted = false;
    double zoom = 1.0;
    bool designMode = false;
    FakeEngineSettings settings;
    QPrinter *printedOn = nullptr; // the printer of the last print

private:
    QPointer<QWidget> m_widget = new QWidget;
};
