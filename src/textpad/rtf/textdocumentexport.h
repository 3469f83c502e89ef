// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfmodel.h"

class QTextDocument;

namespace textpad::richtext {

// The content of `document` as the model the writer works from; unset fonts and sizes take the
// document's default font, pictures are stored as PNG.
Document exportDocument(const QTextDocument *document);

} // namespace textpad::richtext
