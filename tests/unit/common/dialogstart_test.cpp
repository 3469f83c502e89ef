// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/dialogstart.h"

#include <gtest/gtest.h>

namespace {

struct StartRow
{
    const char *name;
    const char *given;
    const char *lastFolder;
    const char *start;
};

void PrintTo(const StartRow &row, std::ostream *os)
{
    *os << row.name;
}

class DialogStartTest : public testing::TestWithParam<StartRow>
{
};

TEST_P(DialogStartTest, givenThenLastFolderThenDocuments)
{
    const StartRow &row = GetParam();
    EXPECT_EQ(dialogStartPath(QString::fromUtf8(row.given), QString::fromUtf8(row.lastFolder),
                  QStringLiteral("/home/u/Documents")),
        QString::fromUtf8(row.start));
}

INSTANTIATE_TEST_SUITE_P(Rows, DialogStartTest,
    testing::Values(StartRow { "givenFolder", "/srv/pages", "/tmp", "/srv/pages" },
        StartRow { "givenFile", "/srv/a.txt", "/tmp", "/srv/a.txt" },
        StartRow { "lastFolder", "", "/tmp", "/tmp" },
        StartRow { "documents", "", "", "/home/u/Documents" },
        StartRow { "nameInLastFolder", "Untitled.txt", "/tmp", "/tmp/Untitled.txt" },
        StartRow { "nameInDocuments", "Untitled.rtf", "", "/home/u/Documents/Untitled.rtf" }),
    [](const testing::TestParamInfo<StartRow> &info) { return std::string(info.param.name); });

} // namespace
