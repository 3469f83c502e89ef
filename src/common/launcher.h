// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Starts programs outside this one. Addresses are handed over as one argument, never through a
// shell.
class Launcher
{
public:
    virtual ~Launcher() = default;

    // Opens the address with the user's default browser; false when no launcher could be started.
    virtual bool openInDefaultBrowser(const QString &address) = 0;
};

// xdg-open, the desktop's own launcher.
class DesktopLauncher : public Launcher
{
public:
    bool openInDefaultBrowser(const QString &address) override;
};
