// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/historyfile.h"
#include "unit/qtprinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class HistoryFileTest : public testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("history.txt")); }

    void writeBytes(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(HistoryFileTest, LoadsFieldsInFileOrder)
{
    writeBytes("http://b.org/\r\nhttp://a.org/,x\r\n\"q,r\"tail\r\n  spaced  \r\n\r\n42\nlast");
    const QStringList expected { "http://b.org/", "http://a.org/", "x", "q,r", "spaced", "", "42",
        "last" };
    EXPECT_EQ(HistoryFile(path()).load(), expected);
}

TEST_F(HistoryFileTest, FieldOfOlderCommaLineCountsAsHeld)
{
    writeBytes("http://a.org/,http://b.org/\r\n");
    EXPECT_TRUE(HistoryFile(path()).holds(QStringLiteral("http://b.org/")));
    EXPECT_FALSE(HistoryFile(path()).holds(QStringLiteral("http://a.org/,http://b.org/")));
}

TEST_F(HistoryFileTest, ClearDeletesFileAndIsSilentWhenMissing)
{
    HistoryFile file(path());
    file.addIfMissing(QStringLiteral("http://a.org/"));
    file.clear();
    EXPECT_FALSE(QFile::exists(path()));
    file.clear();
    file.addIfMissing(QStringLiteral("http://a.org/"));
    EXPECT_EQ(bytes(), QByteArray("http://a.org/\r\n"));
}

TEST_F(HistoryFileTest, UnwritableFileReportsFailure)
{
    HistoryFile file(m_dir.filePath(QStringLiteral("missing-dir/history.txt")));
    EXPECT_FALSE(file.addIfMissing(QStringLiteral("http://a.org/")));
    EXPECT_TRUE(file.load().isEmpty());
}

// Addresses the reader would split or trim come back whole, stored once.
struct RoundTripRow
{
    const char *name;
    QString address;
    QByteArray line;
};

class HistoryRoundTripTest : public HistoryFileTest,
                             public testing::WithParamInterface<RoundTripRow>
{
};

TEST_P(HistoryRoundTripTest, AddressComesBackWholeAndIsStoredOnce)
{
    const RoundTripRow &row = GetParam();
    HistoryFile file(path());
    file.addIfMissing(QStringLiteral("http://first.org/"));
    file.addIfMissing(row.address);
    file.addIfMissing(row.address);
    EXPECT_EQ(bytes(), "http://first.org/\r\n" + row.line + "\r\n");
    EXPECT_EQ(file.load(), QStringList({ "http://first.org/", row.address }));
}

INSTANTIATE_TEST_SUITE_P(Rows, HistoryRoundTripTest,
    testing::Values(RoundTripRow { "Comma", "http://a.org/?x=1,2", "\"http://a.org/?x=1,2\"" },
        RoundTripRow { "Quote", "http://a.org/?q=\"hi\"", "\"http://a.org/?q=\"hi\"\"" },
        RoundTripRow { "LeadingSpace", " a.org", "\" a.org\"" }, RoundTripRow { "Empty", "", "" }),
    [](const testing::TestParamInfo<RoundTripRow> &info) { return info.param.name; });

} // namespace
