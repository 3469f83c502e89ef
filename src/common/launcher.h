// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Starts programs outside this one. Addresses are handed over as one argument, never through a
// shell.
class Launcher
{
public:
    virtual ~Launcher() = default;

    // Opens the address with the user's default browser. `onFailure` runs when that cannot be
    // done: at once when no launcher starts, or later when the launcher ends with an error.
    virtual void openInDefaultBrowser(const QString &address, std::function<void()> onFailure) = 0;
    // Opens a local file with the program the desktop has for its type; the same for failures.
    virtual void openFile(const QString &path, std::function<void()> onFailure) = 0;
    // Shows the folder that holds a local file.
    virtual void showInFolder(const QString &path, std::function<void()> onFailure) = 0;
};

// xdg-open, the desktop's own launcher (or another program taking the address as its argument).
class DesktopLauncher : public Launcher
{
public:
    explicit DesktopLauncher(QString program = QStringLiteral("xdg-open"))
        : m_program(std::move(program))
    {
    }

    // Text starting with "-" fails at once: the launcher would read it as one of its options.
    void openInDefaultBrowser(const QString &address, std::function<void()> onFailure) override;
    void openFile(const QString &path, std::function<void()> onFailure) override;
    void showInFolder(const QString &path, std::function<void()> onFailure) override;

private:
    void launch(const QString &argument, std::function<void()> onFailure);

    QString m_program;
};
