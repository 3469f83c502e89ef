// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/datafile.h"

#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

class DataFileTest : public DataFileFixture
{
protected:
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

// Line ends are kept and a byte order mark dropped; a file appended to over the years mixes UTF-8
// and Windows-1252, so each line is decoded on its own.
TEST_F(DataFileTest, ReadingDecodesEachLineOnItsOwn)
{
    EXPECT_EQ(DataFile::readText(path()), std::nullopt);
    const std::pair<QByteArray, QString> rows[] = {
        { "\xEF\xBB\xBF"
          "caf\xC3\xA9\r\nb\rc\n",
            u"caf\u00e9\r\nb\rc\n"_s },
        { "\"Caf\xE9\",\"\x93x\x94\"\r\ncaf\xC3\xA9\rna\xEF\xBF\xBDve\n\xA9",
            u"\"Caf\u00e9\",\"\u201cx\u201d\"\r\ncaf\u00e9\rna\ufffdve\n\u00a9"_s },
    };
    for (const auto &[file, text] : rows) {
        write(file);
        EXPECT_EQ(DataFile::readText(path()), std::optional<QString>(text));
    }
}

TEST_F(DataFileTest, ReplaceWithShorterContentsLeavesNoTail)
{
    write(QByteArray(1000, 'x'));
    EXPECT_TRUE(DataFile::replace(path(), "short\r\n"));
    EXPECT_EQ(read(), QByteArray("short\r\n"));
    EXPECT_EQ(entries(), QStringList { u"data.txt"_s });
}

// When the disk fills up, the old file stays whole, no temporary file is left behind and the
// system's reason is given. Contents smaller than Qt's write buffer only fail when it is flushed.
// A file size limit makes writes fail as a full disk would, even for root.
TEST_F(DataFileTest, ReplaceThatCannotBeWrittenKeepsTheOldFile)
{
    write("\"old\",\"http://old/\"\r\n");
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    QStringList reasons;
    for (const int size : { 8 * 1024, 64 * 1024 }) {
        QString reason;
        reasons << (DataFile::replace(path(), QByteArray(size, 'n'), &reason) ? "replaced"
                                                                              : reason);
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    const QString full = QString::fromLocal8Bit(std::strerror(EFBIG));
    EXPECT_EQ(reasons, QStringList({ full, full }));
    EXPECT_EQ(read(), QByteArray("\"old\",\"http://old/\"\r\n"));
    EXPECT_EQ(entries(), QStringList { u"data.txt"_s });
}

TEST_F(DataFileTest, AppendLineStartsANewLineWhateverTheFileEndsIn)
{
    const std::pair<QByteArray, QByteArray> cases[] = { { "first", "first\r\nx\r\n" },
        { "first\n", "first\nx\r\n" }, { "first\r", "first\rx\r\n" } };
    for (const auto &[before, after] : cases) {
        write(before);
        EXPECT_TRUE(DataFile::appendLine(path(), u"x"_s));
        EXPECT_EQ(read(), after);
    }
    EXPECT_FALSE(DataFile::appendLine(m_dir.filePath(u"missing/history.txt"_s), u"x"_s));
}

} // namespace
