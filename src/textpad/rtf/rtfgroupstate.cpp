// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfgroupstate.h"

#include "textpad/rtf/liststyles.h"
#include "textpad/rtf/rtfcolortable.h"
#include "textpad/rtf/rtflisttable.h"

#include <utility>

namespace textpad::richtext {

namespace {

// Lengths in twips are kept within a page's reach; absurd values would only break the layout.
int clampTwips(int value)
{
    return qBound(-31680, value, 31680);
}

} // namespace

void RtfGroupState::resetCharacter()
{
    const QString link = format.link; // a field result stays a link through \plain
    format = CharFormat();
    format.halfPoints = defaultHalfPoints;
    format.link = link;
    fontIndex = -1;
    hiddenText = false;
}

void RtfGroupState::resetParagraph()
{
    paragraph = ParagraphFormat();
    list = RtfListState();
    inTable = false;
}

bool RtfGroupState::applyCharacterWord(
    RtfWord word, int param, bool hasParam, const RtfColorTable &colors)
{
    const bool on = !hasParam || param != 0;
    switch (word) {
    case RtfWord::Plain:
        resetCharacter();
        return true;
    case RtfWord::Font:
        fontIndex = param;
        return true;
    case RtfWord::FontSize:
        format.halfPoints = hasParam ? qBound(2, param, 3276) : defaultHalfPoints;
        return true;
    case RtfWord::Bold:
        format.bold = on;
        return true;
    case RtfWord::Italic:
        format.italic = on;
        return true;
    case RtfWord::Underline:
        format.underline = on;
        return true;
    case RtfWord::UnderlineNone:
        format.underline = false;
        return true;
    case RtfWord::Strike:
        format.strike = on;
        return true;
    case RtfWord::Foreground:
        format.foreground = colors.color(param);
        return true;
    case RtfWord::Background:
        format.background = colors.color(param);
        return true;
    case RtfWord::HiddenText:
        hiddenText = on;
        return true;
    default:
        return false;
    }
}

bool RtfGroupState::applyParagraphWord(RtfWord word, int param)
{
    static constexpr std::pair<RtfWord, Alignment> alignments[] = {
        { RtfWord::AlignLeft, Alignment::Left },
        { RtfWord::AlignCenter, Alignment::Center },
        { RtfWord::AlignRight, Alignment::Right },
        { RtfWord::AlignJustify, Alignment::Justify },
    };
    static constexpr std::pair<RtfWord, int ParagraphFormat::*> lengths[] = {
        { RtfWord::LeftIndent, &ParagraphFormat::leftIndent },
        { RtfWord::RightIndent, &ParagraphFormat::rightIndent },
        { RtfWord::FirstIndent, &ParagraphFormat::firstIndent },
        { RtfWord::SpaceBefore, &ParagraphFormat::spaceBefore },
        { RtfWord::SpaceAfter, &ParagraphFormat::spaceAfter },
    };
    for (const auto &[alignmentWord, alignment] : alignments) {
        if (alignmentWord == word) {
            paragraph.alignment = alignment;
            return true;
        }
    }
    for (const auto &[lengthWord, length] : lengths) {
        if (lengthWord == word) {
            paragraph.*length = clampTwips(param);
            return true;
        }
    }
    return applyParagraphListWord(word, param);
}

bool RtfGroupState::applyParagraphListWord(RtfWord word, int param)
{
    switch (word) {
    case RtfWord::Pard:
        resetParagraph();
        return true;
    case RtfWord::InTable:
        inTable = true;
        return true;
    case RtfWord::ListNumber:
        list.ls = param;
        return true;
    case RtfWord::ListLevelNumber:
        list.ilvl = qBound(0, param, 8);
        return true;
    default:
        return false;
    }
}

bool RtfGroupState::applyNumberingWord(RtfWord word, int param)
{
    switch (word) {
    case RtfWord::PnBullet:
        list.pnKind = ListKind::Bullet;
        list.pnLevel = 1;
        return true;
    case RtfWord::PnBody:
        list.pnKind = ListKind::Number;
        list.pnLevel = 1;
        return true;
    case RtfWord::PnLevel:
        if (list.pnKind == ListKind::None)
            list.pnKind = ListKind::Number;
        list.pnLevel = qBound(1, param, 9);
        return true;
    default:
        break;
    }
    const std::optional<NumberStyle> style = numberStyleOfPnWord(word);
    if (style)
        list.pnStyle = *style;
    return style.has_value();
}

ParagraphFormat RtfGroupState::resolvedParagraph(const RtfListTable &lists) const
{
    ParagraphFormat result = paragraph;
    if (list.ls > 0 && lists.contains(list.ls)) {
        const RtfListTable::LevelStyle style = lists.style(list.ls, list.ilvl);
        result.list = style.kind;
        result.numberStyle = style.numberStyle;
        result.listLevel = list.ilvl + 1;
        result.listId = list.ls;
    } else if (list.pnKind != ListKind::None) {
        result.list = list.pnKind;
        result.numberStyle = list.pnStyle;
        result.listLevel = list.pnLevel;
        result.listId = list.pnKind == ListKind::Bullet ? -1 : -2;
    } else if (list.ls > 0) {
        result.list = ListKind::Bullet;
        result.listLevel = list.ilvl + 1;
        result.listId = list.ls;
    }
    if (result.list == ListKind::None) {
        result.listLevel = 0;
        result.listId = 0;
    }
    return result;
}

} // namespace textpad::richtext
