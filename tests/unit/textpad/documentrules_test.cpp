// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/documentrules.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

using namespace textpad;

namespace {

// Rich text when the file's name ends in ".rtf", in any case; nowhere else.
TEST(DocumentRules, SavesAsRichText)
{
    for (const QJsonValue row : tableRows("paths", "rich text"))
        EXPECT_EQ(savesAsRichText(row[0].toString()), row[1].toBool()) << shown(row);
}

TEST(DocumentRules, DateTimeIsShortDateSpaceLongTimeWithoutTimeZone)
{
    const QDateTime when(QDate(2024, 3, 7), QTime(14, 5, 9));
    EXPECT_EQ(
        dateTimeText(when, QLocale(QLocale::English, QLocale::UnitedStates)), "3/7/24 2:05:09 PM");
    EXPECT_EQ(dateTimeText(when, QLocale(QLocale::German, QLocale::Germany)), "07.03.24 14:05:09");
}

} // namespace
