// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>

namespace Keystroke {

// Delivers a key press and release to the widget that has the keyboard focus, as if typed: a
// shortcut it matches fires, otherwise the widget gets the key. Returns when both are processed;
// without a focused widget nothing happens.
void sendToFocus(QKeyCombination key);

} // namespace Keystroke
