// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/pageengine.h"
#include "browser/webcontrol/qtwebengine/profilesettings.h"

class QWebEngineProfile;

// The engine on QtWebEngine: every page on one profile, with the profile's settings and
// downloads.
class QtPageEngine : public PageEngine
{
    Q_OBJECT

public:
    // Pages use `profile`, which must outlive the engine and every control it made.
    QtPageEngine(QWebEngineProfile *profile, PathChooser choosePath, QObject *parent = nullptr);

    WebControl *createControl() override;

private:
    QWebEngineProfile *m_profile;
    ProfileSettings m_settings;
};
