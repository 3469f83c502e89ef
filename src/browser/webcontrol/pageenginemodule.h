// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/pageengine.h"

// The one entry point of the engine module, found by the name createPageEngineSymbol once the
// module is loaded: it makes the engine, which asks `choosePath` where each download goes and
// belongs to `parent`.
using CreatePageEngine = PageEngine *(*)(PageEngine::PathChooser choosePath, QObject *parent);
inline constexpr char createPageEngineSymbol[] = "createPageEngine";
