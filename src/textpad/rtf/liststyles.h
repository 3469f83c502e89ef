// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfcontrolword.h"
#include "textpad/rtf/rtfmodel.h"

#include <QTextListFormat>
#include <optional>

namespace textpad::richtext {

// One list marker style under each of its names: the model's, the list table's \levelnfc, the old
// paragraph numbering's word, and the document's list style. Reading and writing share it.
struct ListStyle
{
    ListKind kind;
    NumberStyle numberStyle;
    int levelNfc;
    RtfWord pnWord; // the \pnlvlbody style word; bullets use \pnlvlblt instead
    const char *pnText;
    QTextListFormat::Style documentStyle;
};

const ListStyle &listStyle(ListKind kind, NumberStyle numberStyle);
// Unknown numbers count as decimal; 255 means no marker (nothing).
std::optional<ListStyle> listStyleOfNfc(int nfc);
std::optional<NumberStyle> numberStyleOfPnWord(RtfWord word);
// Circles and squares are bullets; the rest of Qt's styles count as decimal.
const ListStyle &listStyleOfDocument(QTextListFormat::Style style);

} // namespace textpad::richtext
