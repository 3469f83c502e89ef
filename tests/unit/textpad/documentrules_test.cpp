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
        PathRow { "mixedCaseIsPlain", "/home/u/notes.Rtf", false },
        PathRow { "rtfDirectory", "/old.rtf.bak/x.txt", true },
        PathRow { "rtfInsideName", "/tmp/a.rtfx", true },
        PathRow { "textFile", "/tmp/readme.txt", false }, PathRow { "noDot", "/tmp/rtf", false }),
    [](const testing::TestParamInfo<PathRow> &info) { return std::string(info.param.name); });

TEST(PadTitleTest, namesEveryStage)
{
    EXPECT_EQ(padTitle(PadTitle::Plain), QStringLiteral("Orbello's Quillstep"));
    EXPECT_EQ(padTitle(PadTitle::Loading), QStringLiteral("Orbello's Quillstep - Loading..."));
    EXPECT_EQ(padTitle(PadTitle::Saving), QStringLiteral("Orbello's Quillstep - Saving..."));
    EXPECT_EQ(padTitle(PadTitle::File, fileTitle(QStringLiteral("/home/u/a b.txt"))),
        QStringLiteral("Orbello's Quillstep - a b.txt"));
}

struct MonitorRow
{
    const char *name;
    bool saved;
    qint64 size;
    const char *line;
};

void PrintTo(const MonitorRow &row, std::ostream *os)
{
    *os << row.name;
}

class MonitorLineTest : public testing::TestWithParam<MonitorRow>
{
};

TEST_P(MonitorLineTest, statesChangeAndSize)
{
    EXPECT_EQ(monitorLine(GetParam().saved, GetParam().size).toStdString(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Examples, MonitorLineTest,
    testing::Values(MonitorRow { "emptySaved", true, 2, "No change detected with 2 bytes." },
        MonitorRow { "changed", false, 1234, "Change detected with 1234 bytes." },
        MonitorRow { "noSeparators", false, 10485762, "Change detected with 10485762 bytes." }),
    [](const testing::TestParamInfo<MonitorRow> &info) { return std::string(info.param.name); });

TEST(DateTimeTextTest, shortDateSpaceLongTimeWithoutTimeZone)
{
    const QDateTime when(QDate(2024, 3, 7), QTime(14, 5, 9));
    EXPECT_EQ(dateTimeText(when, QLocale(QLocale::English, QLocale::UnitedStates)).toStdString(),
        "3/7/24 2:05:09 PM");
    EXPECT_EQ(dateTimeText(when, QLocale(QLocale::German, QLocale::Germany)).toStdString(),
        "07.03.24 14:05:09");
}

} // namespace
