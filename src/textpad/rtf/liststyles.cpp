// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/liststyles.h"

namespace textpad::richtext {

namespace {

constexpr int noMarkerNfc = 255;

// The first row is the bullet, the second the default number style.
const ListStyle styles[] = {
    { ListKind::Bullet, NumberStyle::Decimal, 23, RtfWord::PnBullet, "\\pndec",
        QTextListFormat::ListDisc },
    { ListKind::Number, NumberStyle::Decimal, 0, RtfWord::PnDecimal, "\\pndec",
        QTextListFormat::ListDecimal },
    { ListKind::Number, NumberStyle::UpperRoman, 1, RtfWord::PnUpperRoman, "\\pnucrm",
        QTextListFormat::ListUpperRoman },
    { ListKind::Number, NumberStyle::LowerRoman, 2, RtfWord::PnLowerRoman, "\\pnlcrm",
        QTextListFormat::ListLowerRoman },
    { ListKind::Number, NumberStyle::UpperAlpha, 3, RtfWord::PnUpperLetter, "\\pnucltr",
        QTextListFormat::ListUpperAlpha },
    { ListKind::Number, NumberStyle::LowerAlpha, 4, RtfWord::PnLowerLetter, "\\pnlcltr",
        QTextListFormat::ListLowerAlpha },
};

const ListStyle &bullet = styles[0];
const ListStyle &decimal = styles[1];

template <typename Match> const ListStyle *find(Match match)
{
    for (const ListStyle &style : styles) {
        if (match(style))
            return &style;
    }
    return nullptr;
}

} // namespace

const ListStyle &listStyle(ListKind kind, NumberStyle numberStyle)
{
    if (kind == ListKind::Bullet)
        return bullet;
    const ListStyle *found = find([&](const ListStyle &s) {
        return s.kind == ListKind::Number && s.numberStyle == numberStyle;
    });
    return found ? *found : decimal;
}

std::optional<ListStyle> listStyleOfNfc(int nfc)
{
    if (nfc == noMarkerNfc)
        return std::nullopt;
    const ListStyle *found = find([nfc](const ListStyle &s) { return s.levelNfc == nfc; });
    return found ? *found : decimal;
}

std::optional<NumberStyle> numberStyleOfPnWord(RtfWord word)
{
    const ListStyle *found = find(
        [word](const ListStyle &s) { return s.kind == ListKind::Number && s.pnWord == word; });
    return found ? std::optional<NumberStyle>(found->numberStyle) : std::nullopt;
}

const ListStyle &listStyleOfDocument(QTextListFormat::Style style)
{
    if (style == QTextListFormat::ListCircle || style == QTextListFormat::ListSquare)
        return bullet;
    const ListStyle *found = find([style](const ListStyle &s) { return s.documentStyle == style; });
    return found ? *found : decimal;
}

} // namespace textpad::richtext
