// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfcodepage.h"
#include "textpad/rtf/rtfcolortable.h"
#include "textpad/rtf/rtfcontrolword.h"
#include "textpad/rtf/rtffonttable.h"
#include "textpad/rtf/rtflisttable.h"

namespace textpad::richtext {

// What the document's header declares for the body: code page, default font, and the font,
// colour and list tables.
class RtfHeaderTables
{
public:
    // A word inside \fonttbl, \colortbl, \listtable or \listoverridetable.
    void applyTableWord(RtfWord word, int param, bool inListOverrides);
    // \ansi, \ansicpg, \deff and the like, wherever they appear.
    void applyDocumentWord(RtfWord word, int param);

    RtfFontTable &fonts() { return m_fonts; }
    RtfColorTable &colors() { return m_colors; }
    const RtfColorTable &colors() const { return m_colors; }
    const RtfListTable &lists() const { return m_lists; }

    QString fontName(int fontIndex) const { return m_fonts.name(resolved(fontIndex)); }
    int codePage(int fontIndex) const;

private:
    bool applyListTableWord(RtfWord word, int param, bool inListOverrides);
    int resolved(int fontIndex) const { return fontIndex < 0 ? m_defaultFont : fontIndex; }

    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfListTable m_lists;
    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
};

} // namespace textpad::richtext
