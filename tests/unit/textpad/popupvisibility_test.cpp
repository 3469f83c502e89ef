// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/popupvisibility.h"

#include <QString>
#include <gtest/gtest.h>

using namespace textpad;

namespace {

// The visible entries in display order, separators as "-".
std::string shown(const PopupVisibility &v)
{
    std::string out;
    const std::pair<bool, const char *> entries[] = { { v.selall, "selall" }, { v.op55, "-" },
        { v.cop, "cop" }, { v.cu, "cu" }, { v.pas, "pas" }, { v.op66, "-" }, { v.brows, "brows" },
        { v.sear, "sear" }, { v.op77, "-" }, { v.clclip, "clclip" } };
    for (const auto &[visible, name] : entries) {
        if (visible)
            out += out.empty() ? name : std::string(" ") + name;
    }
    return out;
}

// The entries for a selection, a document and a clipboard text.
TEST(PopupVisibility, ShowsTheEntriesThatApply)
{
    const std::tuple<const char16_t *, const char16_t *, const char16_t *, const char *> rows[] = {
        { u"", u"abc", u"", "selall" },
        { u"", u"", u"x", "pas - clclip" },
        { u"", u"abc", u"x", "selall - pas - clclip" },
        { u"two words", u"two words", u"", "selall - cop cu - sear" },
        { u"don't stop", u"don't stop", u"x", "selall - cop cu pas - sear - clclip" },
        { u"12/05/2024", u"on 12/05/2024", u"", "selall - cop cu" },
        { u"http://example.org/a/b.html", u"see http://example.org/a/b.html", u"",
            "selall - cop cu - brows" },
        { u"seehttp://example.org", u"x", u"", "selall - cop cu - brows" },
        { u"HTTP://example.org", u"x", u"", "selall - cop cu" },
        { u"http://example.org/#top", u"x", u"", "selall - cop cu" },
        { u"f(x)", u"f(x)", u"", "selall - cop cu" },
    };
    for (const auto &[selection, document, clipboard, menu] : rows) {
        const PopupVisibility v = popupVisibility(
            QStringView(selection), QStringView(document), QStringView(clipboard));
        EXPECT_EQ(shown(v), menu);
        EXPECT_EQ(v.anyVisible(), !std::string(menu).empty()) << menu;
    }
}

} // namespace
