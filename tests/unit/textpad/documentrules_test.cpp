// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/documentrules.h"
#include "unit/qtprinters.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

using namespace textpad;

namespace {

// Rich text only when the path holds a lower-case ".rtf", wherever it is.
TEST(DocumentRules, SavesAsRichText)
{
    const std::pair<const char *, bool> rows[]
        = { { "/home/u/notes.rtf", true }, { "/home/u/Docs/NOTES.RTF", false },
              { "/old.rtf.bak/x.txt", true }, { "/tmp/readme.txt", false }, { "/tmp/rtf", false } };
    for (const auto &[path, richText] : rows)
        EXPECT_EQ(savesAsRichText(QString::fromUtf8(path)), richText) << path;
}

TEST(DocumentRules, DateTimeIsShortDateSpaceLongTimeWithoutTimeZone)
{
    const QDateTime when(QDate(2024, 3, 7), QTime(14, 5, 9));
    EXPECT_EQ(
        dateTimeText(when, QLocale(QLocale::English, QLocale::UnitedStates)), "3/7/24 2:05:09 PM");
    EXPECT_EQ(dateTimeText(when, QLocale(QLocale::German, QLocale::Germany)), "07.03.24 14:05:09");
}

} // namespace
