// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/popupvisibility.h"

namespace textpad {

namespace {
bool containsAnyOf(QStringView text, QStringView characters)
{
    for (const QChar c : characters) {
        if (text.contains(c))
            return true;
    }
    return false;
}
} // namespace

bool PopupVisibility::anyVisible() const
{
    // Separators alone make no menu.
    return selall || cop || cu || pas || brows || sear || clclip;
}

bool PopupVisibility::operator==(const PopupVisibility &o) const
{
    return selall == o.selall && op55 == o.op55 && cop == o.cop && cu == o.cu && pas == o.pas
        && op66 == o.op66 && brows == o.brows && sear == o.sear && op77 == o.op77
        && clclip == o.clclip;
}

bool isPlainPhrase(QStringView selection)
{
    return !containsAnyOf(selection, u"<>();{}#[]/\\\"");
}

bool isWebAddress(QStringView selection)
{
    return selection.contains(u"http://", Qt::CaseSensitive)
        && !containsAnyOf(selection, u"<>();'{}#[]\"\\ ");
}

PopupVisibility popupVisibility(QStringView selection, QStringView document, QStringView clipboard)
{
    PopupVisibility v;
    v.brows = v.op66 = v.sear = false;
    if (selection.isEmpty()) {
        v.cu = v.cop = false;
    } else if (isPlainPhrase(selection)) {
        v.op66 = v.sear = true;
    }
    if (clipboard.isEmpty())
        v.pas = v.clclip = v.op77 = false;
    if (document.isEmpty())
        v.selall = v.op55 = false;
    if (isWebAddress(selection))
        v.brows = v.op66 = true;
    if (!v.cu && !v.pas)
        v.op55 = false;
    return v;
}

} // namespace textpad
