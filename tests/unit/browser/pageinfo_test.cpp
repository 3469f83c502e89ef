// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageinfo.h"
#include "browser/core/pagemarkup.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

QStringList values(const PageInfo::Facts &facts)
{
    QStringList values;
    for (const auto &line : PageInfo::lines(facts))
        values << line.value;
    return values;
}

// Known schemes and types get their names, others their own text; gaps read "Not available".
TEST(PageInfo, ListsEveryFactInOrder)
{
    EXPECT_EQ(
        values({ "News", "http://host/news", "Text/HTML; charset=utf-8", QString(), 1234567 }),
        (QStringList { "News", "http://host/news", "HyperText Transfer Protocol (HTTP)",
            "HTML Document (text/html)", "1,234,567 bytes", "Not available" }));
    EXPECT_EQ(values({ " ", "gopher://host/", "x/y", "Tue", -1 }),
        (QStringList {
            "Not available", "gopher://host/", "GOPHER Protocol", "x/y", "Not available", "Tue" }));
    EXPECT_EQ(PageInfo::typeName(QStringLiteral(" ")), "Not available");
}

TEST(PageMarkup, FileIsTheMarkupInUtf8WithOneCrLfAtTheEnd)
{
    EXPECT_EQ(PageMarkup::fileContents(QStringLiteral("<b>\u00e9</b>")), "<b>\xC3\xA9</b>\r\n");
}

} // namespace
