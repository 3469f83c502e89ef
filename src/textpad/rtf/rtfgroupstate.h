// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfcontrolword.h"
#include "textpad/rtf/rtfmodel.h"

namespace textpad::richtext {

class RtfColorTable;
class RtfListTable;

enum class RtfDestination : unsigned char {
    Body, // document text
    Skip, // everything up to the group's end is ignored
    Hidden, // text is dropped, but pictures inside still show (shape property values)
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    FieldInstruction,
    ShapePropertyName,
    Picture,
    ParagraphNumbering,
};

// The list words of the paragraph as written; resolved against the list table at the paragraph end.
struct RtfListState
{
    int ls = 0;
    int ilvl = 0;
    ListKind pnKind = ListKind::None;
    NumberStyle pnStyle = NumberStyle::Decimal;
    int pnLevel = 1;
};

// Everything a '{' saves and the matching '}' restores.
struct RtfGroupState
{
    RtfDestination destination = RtfDestination::Body;
    int fontIndex = -1; // -1: the \deff font
    bool hiddenText = false;
    bool inTable = false;
    int unicodeSkip = 1;
    CharFormat format;
    ParagraphFormat paragraph;
    RtfListState list;

    // \fs without a value and \plain go back to 12 pt.
    static constexpr int defaultHalfPoints = 24;

    RtfGroupState() { format.halfPoints = defaultHalfPoints; }

    void resetCharacter();
    void resetParagraph();
    // Character and paragraph formatting words; false when `word` is neither.
    bool applyCharacterWord(RtfWord word, int param, bool hasParam, const RtfColorTable &colors);
    bool applyParagraphWord(RtfWord word, int param);
    bool applyParagraphListWord(RtfWord word, int param); // \pard, \intbl, \ls, \ilvl
    bool applyNumberingWord(RtfWord word, int param);
    // The paragraph's format with its list words looked up in the document's list table.
    ParagraphFormat resolvedParagraph(const RtfListTable &lists) const;
};

} // namespace textpad::richtext
