// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/memoryenginesettings.h"

// Engine settings in memory, with counts of the clearing commands.
class FakeEngineSettings : public MemoryEngineSettings
{
public:
    void clearCache() override { ++cacheClears; }
    void clearCookies() override { ++cookieClears; }

    int cacheClears = 0;
    int cookieClears = 0;
};
