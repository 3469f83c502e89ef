// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/dialogstart.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

// The given path, else the last folder, else Documents; a bare name goes into that folder.
TEST(DialogStart, GivenThenLastFolderThenDocuments)
{
    const std::tuple<QString, QString, QString> rows[] = {
        { "/srv/pages", "/tmp", "/srv/pages" },
        { "/srv/a.txt", "/tmp", "/srv/a.txt" },
        { "", "/tmp", "/tmp" },
        { "", "", "/home/u/Documents" },
        { "Untitled.txt", "/tmp", "/tmp/Untitled.txt" },
        { "Untitled.rtf", "", "/home/u/Documents/Untitled.rtf" },
    };
    for (const auto &[given, lastFolder, start] : rows)
        EXPECT_EQ(dialogStartPath(given, lastFolder, QStringLiteral("/home/u/Documents")), start);
}

} // namespace
