// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace textpad {

// Which entries of the pad's context menu `po` are shown, in display order.
struct PopupVisibility
{
    bool selall = true;
    bool op55 = true;
    bool cop = true;
    bool cu = true;
    bool pas = true;
    bool op66 = true;
    bool brows = true;
    bool sear = true;
    bool op77 = true;
    bool clclip = true;

    bool anyVisible() const;
    bool operator==(const PopupVisibility &o) const;
};

// A selection free of brackets, braces, '#', ';', slashes, backslashes and quotes reads as a
// phrase.
bool isPlainPhrase(QStringView selection);

// A selection holding "http://" (exact case) and none of the characters that end an address in
// running text, the space and apostrophe included, reads as a web address.
bool isWebAddress(QStringView selection);

// The context menu for the selected text, the whole document and the clipboard's plain text.
PopupVisibility popupVisibility(QStringView selection, QStringView document, QStringView clipboard);

} // namespace textpad
