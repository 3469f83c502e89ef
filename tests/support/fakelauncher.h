// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/launcher.h"

#include <QStringList>

// Records what it is asked to open; `fails` makes it report each browser address as not opened.
class FakeLauncher : public Launcher
{
public:
    void openInDefaultBrowser(const QString &address, std::function<void()> onFailure) override
    {
        addresses.append(address);
        if (fails)
            onFailure();
    }
    void openFile(const QString &path, std::function<void()>) override { addresses.append(path); }
    void showInFolder(const QString &path, std::function<void()>) override
    {
        addresses.append(QStringLiteral("folder:") + path);
    }

    QStringList addresses;
    bool fails = false;
};
