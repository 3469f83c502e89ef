// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/popupvisibility.h"

#include "unit/testsupport.h"

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

TEST(PopupVisibility, ShowsTheEntriesThatApply)
{
    for (const QJsonValue row : tableRows("popupvisibility", "menus")) {
        const PopupVisibility v
            = popupVisibility(row[0].toString(), row[1].toString(), row[2].toString());
        EXPECT_EQ(shown(v), row[3].toString().toStdString()) << shown(row);
        EXPECT_EQ(v.anyVisible(), !row[3].toString().isEmpty());
    }
}

} // namespace
