// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QWebEngineProfile;

// The one profile every browser window shares, kept on disk (cookies, cache, the engine
// settings) under the user's data and cache folders, in "webviewer". It must outlive every page
// that uses it.
QWebEngineProfile *createApplicationProfile(QObject *parent);
