// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/documentrules.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

using namespace textpad;

namespace {

struct PathRow
{
    const char *name;
    const char *path;
    bool richText;
};

void PrintTo(const PathRow &row, std::ostream *os)
{
    *os << row.name;
}

class SaveFormatTest : public testing::TestWithParam<PathRow>
{
};

TEST_P(SaveFormatTest, richTextOnlyWhenThePathHoldsLowerCaseDotRtf)
{
    EXPECT_EQ(savesAsRichText(QString::fromUtf8(GetParam().path)), GetParam().richText);
}

INSTANTIATE_TEST_SUITE_P(Paths, SaveFormatTest,
    testing::Values(PathRow { "rtfFile", "/home/u/notes.rtf", true },
        PathRow { "capitalsArePlain", "/home/u/Docs/NOTES.RTF", false },
        PathRow { "rtfDirectory", "/old.rtf.bak/x.txt", true },
        PathRow { "textFile", "/tmp/readme.txt", false }, PathRow { "noDot", "/tmp/rtf", false }),
    [](const testing::TestParamInfo<PathRow> &info) { return std::string(info.param.name); });

TEST(DateTimeTextTest, shortDateSpaceLongTimeWithoutTimeZone)
{
    const QDateTime when(QDate(2024, 3, 7), QTime(14, 5, 9));
    EXPECT_EQ(dateTimeText(when, QLocale(QLocale::English, QLocale::UnitedStates)).toStdString(),
        "3/7/24 2:05:09 PM");
    EXPECT_EQ(dateTimeText(when, QLocale(QLocale::German, QLocale::Germany)).toStdString(),
        "07.03.24 14:05:09");
}

} // namespace
