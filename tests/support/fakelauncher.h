// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/launcher.h"

#include <QStringList>

// Records the addresses handed to the default browser; `canStart` false simulates a missing
// launcher.
class FakeLauncher : public Launcher
{
public:
    bool openInDefaultBrowser(const QString &address) override
    {
        addresses.append(address);
        return canStart;
    }

    bool canStart = true;
    QStringList addresses;
};
