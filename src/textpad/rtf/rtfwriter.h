// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QTextDocument;

// The whole document as rich text that common word processors read back with the same text and
// formats.
QByteArray writeRtf(const QTextDocument *document);
