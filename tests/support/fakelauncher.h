// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/launcher.h"

#include <QStringList>

// Records what it is asked to open; `canStart` false simulates a launcher that fails.
class FakeLauncher : public Launcher
{
public:
    void openInDefaultBrowser(const QString &address, std::function<void()> onFailure) override
    {
        record(address, onFailure);
    }
    void openFile(const QString &path, std::function<void()> onFailure) override
    {
        record(path, onFailure);
    }
    void showInFolder(const QString &path, std::function<void()> onFailure) override
    {
        record(QStringLiteral("folder:") + path, onFailure);
    }

    bool canStart = true;
    QStringList addresses;

private:
    void record(const QString &what, const std::function<void()> &onFailure)
    {
        addresses.append(what);
        if (!canStart)
            onFailure();
    }
};
