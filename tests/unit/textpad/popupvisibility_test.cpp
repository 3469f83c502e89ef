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
    const std::pair<bool, const char *> entries[] = {
        { v.selall, "selall" },
        { v.op55, "-" },
        { v.cop, "cop" },
        { v.cu, "cu" },
        { v.pas, "pas" },
        { v.op66, "-" },
        { v.brows, "brows" },
        { v.sear, "sear" },
        { v.op77, "-" },
        { v.clclip, "clclip" },
    };
    for (const auto &[visible, name] : entries) {
        if (visible)
            out += out.empty() ? name : std::string(" ") + name;
    }
    return out;
}

struct Row
{
    const char *name;
    const char16_t *selection;
    const char16_t *document;
    const char16_t *clipboard;
    const char *menu;
};

class PopupVisibilityTest : public testing::TestWithParam<Row>
{
};

TEST_P(PopupVisibilityTest, showsTheEntriesForSelectionDocumentAndClipboard)
{
    const Row &row = GetParam();
    const PopupVisibility v = popupVisibility(
        QStringView(row.selection), QStringView(row.document), QStringView(row.clipboard));
    EXPECT_EQ(shown(v), row.menu);
    EXPECT_EQ(v.anyVisible(), !std::string(row.menu).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, PopupVisibilityTest,
    testing::Values(Row { "textNoSelectionEmptyClipboard", u"", u"abc", u"", "selall" },
        Row { "emptyDocumentClipboardText", u"", u"", u"x", "pas - clclip" },
        Row { "textNoSelectionClipboardText", u"", u"abc", u"x", "selall - pas - clclip" },
        Row { "twoWords", u"two words", u"two words", u"", "selall - cop cu - sear" },
        Row { "apostrophePhrase", u"don't stop", u"don't stop", u"x",
            "selall - cop cu pas - sear - clclip" },
        Row { "dateWithSlashes", u"12/05/2024", u"on 12/05/2024", u"", "selall - cop cu" },
        Row { "address", u"http://example.org/a/b.html", u"see http://example.org/a/b.html", u"",
            "selall - cop cu - brows" },
        Row {
            "lettersBeforeMarker", u"seehttp://example.org", u"x", u"", "selall - cop cu - brows" },
        Row { "markerInCapitals", u"HTTP://example.org", u"x", u"", "selall - cop cu" },
        Row { "addressFragment", u"http://example.org/#top", u"x", u"", "selall - cop cu" },
        Row { "phraseWithBracket", u"f(x)", u"f(x)", u"", "selall - cop cu" }),
    [](const testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

} // namespace
