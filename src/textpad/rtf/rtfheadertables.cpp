// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfheadertables.h"

namespace textpad::richtext {

void RtfHeaderTables::applyTableWord(RtfWord word, int param, bool inListOverrides)
{
    switch (word) {
    case RtfWord::Font:
        m_fonts.beginEntry(param);
        break;
    case RtfWord::FontCharset:
        m_fonts.setCharset(param);
        break;
    case RtfWord::Red:
        m_colors.setRed(param);
        break;
    case RtfWord::Green:
        m_colors.setGreen(param);
        break;
    case RtfWord::Blue:
        m_colors.setBlue(param);
        break;
    default:
        if (!applyListTableWord(word, param, inListOverrides))
            applyDocumentWord(word, param);
        break;
    }
}

bool RtfHeaderTables::applyListTableWord(RtfWord word, int param, bool inListOverrides)
{
    switch (word) {
    case RtfWord::List:
        m_lists.beginList();
        return true;
    case RtfWord::ListLevel:
        m_lists.beginLevel();
        return true;
    case RtfWord::LevelFormat:
        m_lists.setLevelFormat(param);
        return true;
    case RtfWord::ListId:
        if (inListOverrides)
            m_lists.setOverrideListId(param);
        else
            m_lists.setListId(param);
        return true;
    case RtfWord::ListOverride:
        m_lists.beginOverride();
        return true;
    case RtfWord::ListNumber:
        if (inListOverrides)
            m_lists.setOverrideNumber(param);
        return true;
    default:
        return false;
    }
}

void RtfHeaderTables::applyDocumentWord(RtfWord word, int param)
{
    switch (word) {
    case RtfWord::Ansi:
        m_documentCodePage = 1252;
        break;
    case RtfWord::Mac:
        m_documentCodePage = 10000;
        break;
    case RtfWord::Pc:
        m_documentCodePage = 437;
        break;
    case RtfWord::Pca:
        m_documentCodePage = 850;
        break;
    case RtfWord::AnsiCodePage:
        if (param > 0)
            m_documentCodePage = param;
        break;
    case RtfWord::DefaultFont:
        m_defaultFont = param;
        break;
    default:
        break;
    }
}

int RtfHeaderTables::codePage(int fontIndex) const
{
    return RtfCodePage::fromCharset(m_fonts.charset(resolved(fontIndex)), m_documentCodePage);
}

} // namespace textpad::richtext
