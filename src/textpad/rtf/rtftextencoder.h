// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfmodel.h"

#include <QByteArray>
#include <QStringView>

namespace textpad::richtext {

// Appends text as RTF: Windows-1252 characters as themselves or \'hh, everything else as \uN
// with a '?' for readers that do not know Unicode (the file declares \uc1).
void appendRtfText(QByteArray &out, QStringView text);

// The number text of a list item, as the \pntext of old readers shows it ("3.", "iv.", "C.").
QByteArray listNumberText(int number, NumberStyle style);

} // namespace textpad::richtext
