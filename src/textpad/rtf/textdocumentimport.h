// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfmodel.h"

class QTextDocument;

namespace textpad::richtext {

// Replaces the content of `document` with `model`: runs become character formats, list
// paragraphs join QTextLists, pictures become image resources of the document.
void importDocument(const Document &model, QTextDocument *document);

// Lengths in the model are twips; the text document counts in pixels of 1/96 inch.
constexpr double twipsPerPixel = 15.0;

} // namespace textpad::richtext
