// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QTextDocument;

// Replaces the document's content with the rich text read from `rtf`. Damaged input never crashes
// or hangs: whatever text can be recovered is kept. Returns false when the data is not rich text at
// all.
bool readRtf(const QByteArray &rtf, QTextDocument *document);
