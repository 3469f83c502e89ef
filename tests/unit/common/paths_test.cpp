// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/applicationdirectory.h"
#include "common/core/dialogstart.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

namespace {

// The given path, else the last folder, else Documents; a bare name goes into that folder.
TEST(DialogStart, GivenThenLastFolderThenDocuments)
{
    for (const QJsonValue row : tableRows("paths", "dialog start")) {
        EXPECT_EQ(dialogStartPath(
                      row[0].toString(), row[1].toString(), QStringLiteral("/home/u/Documents")),
            row[2].toString());
    }
}

// Beside a writable program, else in the user's data directory when there is one; always ending
// in a separator, since data file names are appended directly.
TEST(ApplicationDirectory, ChoiceEndsInASeparator)
{
    for (const QJsonValue row : tableRows("paths", "application directory")) {
        EXPECT_EQ(
            chooseApplicationDirectory({ row[0].toString(), row[1].toBool(), row[2].toString() }),
            row[3].toString());
    }
}

} // namespace
