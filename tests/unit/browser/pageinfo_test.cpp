// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageinfo.h"
#include "browser/core/pagemarkup.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

// Unknown schemes and types show as themselves, sizes grouped by threes, gaps as "Not available".
TEST(PageInfo, ListsEveryFactInOrder)
{
    QStringList values;
    for (const auto &line : PageInfo::lines({ " ", "gopher://host/", "x/y", "Tue", 1234567 }))
        values << line.value;
    EXPECT_EQ(values,
        (QStringList { "Not available", "gopher://host/", "GOPHER Protocol", "x/y",
            "1,234,567 bytes", "Tue" }));
    EXPECT_EQ(PageInfo::typeName("Text/HTML; charset=utf-8"), PageInfo::typeName("text/html"));
    EXPECT_EQ(PageInfo::sizeText(-1), "Not available");
}

TEST(PageMarkup, FileIsTheMarkupInUtf8WithOneCrLfAtTheEnd)
{
    EXPECT_EQ(PageMarkup::fileContents(QStringLiteral("<b>\u00e9</b>")), "<b>\xC3\xA9</b>\r\n");
}

} // namespace
