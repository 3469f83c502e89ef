// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The web search for a phrase typed into a browser window's search box.

// The phrase as the value of a form field: each space becomes "+"; letters, digits, "-._~" and
// "!$'()*,/:;@" stay as they are; everything else, among it the characters that would end or
// change the field ("&", "#", "+", "%", "=", "?"), is percent-encoded as UTF-8, so the search
// engine receives exactly what was typed.
QString encodeSearchPhrase(const QString &phrase);

// The address that searches the web for `phrase`.
QString searchAddress(const QString &phrase);
