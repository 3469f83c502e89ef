// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/historyfile.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using HistoryFileTest = DataFileFixture;

// Each field of an older comma line counts as an address held.
TEST_F(HistoryFileTest, FieldsOfACommaLineAreEachHeld)
{
    write("http://a.org/,http://b.org/\r\n\r\n42");
    const HistoryFile history(path());
    EXPECT_EQ(history.load(), QStringList({ "http://a.org/", "http://b.org/", "", "42" }));
    EXPECT_TRUE(history.holds(QStringLiteral("http://b.org/")));
    EXPECT_FALSE(history.holds(QStringLiteral("http://a.org/,http://b.org/")));
}

// Addresses the reader would split or trim are written quoted, and each is stored once.
TEST_F(HistoryFileTest, AddressesComeBackWholeAndAreStoredOnce)
{
    const QStringList addresses { "http://first.org/", "http://a.org/?x=1,2",
        "http://a.org/?q=\"hi\"", " a.org", "" };
    const HistoryFile history(path());
    for (int round = 0; round < 2; ++round) {
        for (const QString &address : addresses)
            history.addIfMissing(address);
    }
    EXPECT_EQ(read(),
        "http://first.org/\r\n\"http://a.org/?x=1,2\"\r\n\"http://a.org/?q=\"hi\"\"\r\n\" "
        "a.org\"\r\n"
        "\r\n");
    EXPECT_EQ(history.load(), addresses);
}

TEST_F(HistoryFileTest, ClearDeletesTheFileAndIsSilentWhenMissing)
{
    const HistoryFile history(path());
    history.addIfMissing(QStringLiteral("http://a.org/"));
    history.clear();
    EXPECT_FALSE(QFile::exists(path()));
    history.clear();
    history.addIfMissing(QStringLiteral("http://a.org/"));
    EXPECT_EQ(read(), QByteArray("http://a.org/\r\n"));
}

} // namespace
