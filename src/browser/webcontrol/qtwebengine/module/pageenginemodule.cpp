// SPDX-License-Identifier: GPL-3.0-or-later
// The engine module's entry point: the engine on QtWebEngine with the program's stored profile.
#include "browser/webcontrol/pageenginemodule.h"
#include "browser/webcontrol/qtwebengine/applicationprofile.h"
#include "browser/webcontrol/qtwebengine/qtpageengine.h"

#include <QWebEngineProfile>
#include <type_traits>

extern "C" Q_DECL_EXPORT PageEngine *createPageEngine(
    PageEngine::PathChooser choosePath, QObject *parent)
{
    QWebEngineProfile *profile = createApplicationProfile(nullptr);
    auto *engine = new QtPageEngine(profile, std::move(choosePath), parent);
    // The last of the engine's children, so it goes after the downloads of its pages.
    profile->setParent(engine);
    return engine;
}

static_assert(std::is_same_v<decltype(&createPageEngine), CreatePageEngine>,
    "the entry point must match what the program looks up");
