// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/datafile.h"

#include "unit/qtprinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

class DataFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray bytes(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
};

// Makes every write past `limit` bytes of a file fail, as a full disk would, even for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(DataFileTest, ReadingAMissingFileGivesNothing)
{
    EXPECT_EQ(DataFile::readText(path(u"history.txt"_s)), std::nullopt);
}

TEST_F(DataFileTest, ReadingKeepsLineEndsAndDropsTheByteOrderMark)
{
    write(u"history.txt"_s,
        "\xEF\xBB\xBF"
        "caf\xC3\xA9\r\nb\rc\n");
    EXPECT_EQ(DataFile::readText(path(u"history.txt"_s)),
        std::optional<QString>(u"caf\u00e9\r\nb\rc\n"_s));
}

// A file appended to over the years mixes both: each line is decoded on its own.
TEST_F(DataFileTest, ReadingFallsBackToWindows1252LineByLine)
{
    write(u"favourites.dat"_s, "\"Caf\xE9\",\"\x93x\x94\"\r\ncaf\xC3\xA9\rna\xEF\xBF\xBDve\n\xA9");
    EXPECT_EQ(DataFile::readText(path(u"favourites.dat"_s)),
        std::optional<QString>(
            u"\"Caf\u00e9\",\"\u201cx\u201d\"\r\ncaf\u00e9\rna\ufffdve\n\u00a9"_s));
}

TEST_F(DataFileTest, ReplaceWithShorterContentsLeavesNoTail)
{
    write(u"favourites.dat"_s, QByteArray(1000, 'x'));
    EXPECT_TRUE(DataFile::replace(path(u"favourites.dat"_s), "short\r\n"));
    EXPECT_EQ(bytes(u"favourites.dat"_s), QByteArray("short\r\n"));
    EXPECT_EQ(entries(), QStringList { u"favourites.dat"_s });
}

TEST_F(DataFileTest, ReplaceUnderARegularFileFails)
{
    write(u"blocker"_s, "keep");
    EXPECT_FALSE(DataFile::replace(path(u"blocker/favourites.dat"_s), "new"));
    EXPECT_EQ(bytes(u"blocker"_s), QByteArray("keep"));
    EXPECT_EQ(entries(), QStringList { u"blocker"_s });
}

class DataFileFullDiskTest : public DataFileTest, public ::testing::WithParamInterface<int>
{
};

// When the disk fills up, the old file stays whole, no temporary file is left behind and the
// system's reason is given. Contents smaller than Qt's write buffer only fail when it is flushed.
TEST_P(DataFileFullDiskTest, ReplaceThatCannotBeWrittenKeepsTheOldFile)
{
    write(u"favourites.dat"_s, "\"old\",\"http://old/\"\r\n");
    bool replaced = true;
    QString reason;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        replaced
            = DataFile::replace(path(u"favourites.dat"_s), QByteArray(GetParam(), 'n'), &reason);
    }
    EXPECT_FALSE(replaced);
    EXPECT_EQ(reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(bytes(u"favourites.dat"_s), QByteArray("\"old\",\"http://old/\"\r\n"));
    EXPECT_EQ(entries(), QStringList { u"favourites.dat"_s });
}

INSTANTIATE_TEST_SUITE_P(Sizes, DataFileFullDiskTest, ::testing::Values(8 * 1024, 64 * 1024));

TEST_F(DataFileTest, AppendLineStartsANewLineWhateverTheFileEndsIn)
{
    const std::pair<QByteArray, QByteArray> cases[] = { { "first", "first\r\nx\r\n" },
        { "first\n", "first\nx\r\n" }, { "first\r", "first\rx\r\n" } };
    for (const auto &[before, after] : cases) {
        write(u"history.txt"_s, before);
        EXPECT_TRUE(DataFile::appendLine(path(u"history.txt"_s), u"x"_s));
        EXPECT_EQ(bytes(u"history.txt"_s), after);
    }
}

TEST_F(DataFileTest, AppendLineInAMissingDirectoryFails)
{
    EXPECT_FALSE(DataFile::appendLine(path(u"missing/history.txt"_s), u"x"_s));
    EXPECT_TRUE(entries().isEmpty());
}

} // namespace
