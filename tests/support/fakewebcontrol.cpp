// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakewebcontrol.h"

FakeWebControl::FakeWebControl(QObject *parent)
    : WebControl(parent)
    , m_widget(new QWidget)
{
}

FakeWebControl::~FakeWebControl()
{
    // The browser window may have taken the widget into its layout; it then deletes it itself.
    if (!m_widget->parent())
        delete m_widget;
}

void FakeWebControl::navigate(const QString &address)
{
    navigations.append(address);
    calls.append(QStringLiteral("navigate ") + address);
}

void FakeWebControl::requestMarkup(std::function<void(const QString &)> callback)
{
    calls.append(QStringLiteral("requestMarkup"));
    callback(markup);
}

void FakeWebControl::setDesignMode(bool on)
{
    designMode = on;
    calls.append(on ? QStringLiteral("designMode on") : QStringLiteral("designMode off"));
}

void FakeWebControl::requestProperties(std::function<void(const PageProperties &)> callback)
{
    calls.append(QStringLiteral("requestProperties"));
    callback(properties);
}

void FakeWebControl::setOffline(bool value)
{
    calls.append(value ? QStringLiteral("offline") : QStringLiteral("online"));
}

void FakeWebControl::savePage(const QString &path)
{
    calls.append(QStringLiteral("savePage ") + path);
}

void FakeWebControl::print(QPrinter *printer)
{
    printedOn = printer;
    calls.append(QStringLiteral("print"));
}

void FakeWebControl::findText(const QString &text, bool backward, bool caseSensitive)
{
    calls.append(QStringLiteral("find %1 %2 %3")
                     .arg(text, backward ? QStringLiteral("backward") : QStringLiteral("forward"),
                         caseSensitive ? QStringLiteral("case") : QStringLiteral("nocase")));
}

void FakeWebControl::execute(Command command)
{
    commands.append(command);
}
