// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/launcher.h"

#include <QStringList>

// Records the addresses handed to the default browser; `canStart` false simulates a launcher that
// fails.
class FakeLauncher : public Launcher
{
public:
    void openInDefaultBrowser(const QString &address, std::function<void()> onFailure) override
    {
        addresses.append(address);
        if (!canStart)
            onFailure();
    }

    bool canStart = true;
    QStringList addresses;
};
