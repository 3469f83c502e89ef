// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/applicationdirectory.h"

#include "unit/qtprinters.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

struct DirectoryCase
{
    const char *name;
    QString programDirectory;
    bool programDirectoryWritable;
    QString userDataDirectory;
    QString expected;
};

std::ostream &operator<<(std::ostream &os, const DirectoryCase &c)
{
    return os << c.name;
}

class ChooseApplicationDirectory : public ::testing::TestWithParam<DirectoryCase>
{
};

TEST_P(ChooseApplicationDirectory, GivesTheDirectoryWithASeparator)
{
    const DirectoryCase &c = GetParam();
    EXPECT_EQ(chooseApplicationDirectory(
                  { c.programDirectory, c.programDirectoryWritable, c.userDataDirectory }),
        c.expected);
}

const QString userData = u"/home/u/.local/share/webviewer"_s;

const DirectoryCase directoryCases[] = {
    { "WritableProgramDirectory", u"/opt/webviewer/build"_s, true, userData,
        u"/opt/webviewer/build/"_s },
    { "ReadOnlyProgramDirectoryUsesUserData", u"/usr/bin"_s, false, userData, userData + u'/' },
    { "ReadOnlyWithUserDataEndingInSeparator", u"/usr/bin"_s, false, userData + u'/',
        userData + u'/' },
    { "ReadOnlyWithoutUserDataKeepsProgramDirectory", u"/usr/bin"_s, false, u""_s, u"/usr/bin/"_s },
    { "ThreeCharacterDirectoryGetsSeparator", u"/ab"_s, true, userData, u"/ab/"_s },
    { "TwoCharacterDirectoryGetsSeparator", u"/a"_s, true, userData, u"/a/"_s },
    { "EndingInSeparatorUnchanged", u"/opt/webviewer/"_s, true, userData, u"/opt/webviewer/"_s },
    { "RootUnchanged", u"/"_s, true, userData, u"/"_s },
};

INSTANTIATE_TEST_SUITE_P(Rule, ChooseApplicationDirectory, ::testing::ValuesIn(directoryCases),
    [](const auto &info) { return std::string(info.param.name); });

// The directory of this test program is writable (it is the build tree), so data files go beside
// it.
TEST(ApplicationDirectory, BesideAWritableProgram)
{
    int argc = 1;
    char name[] = "unit_common";
    char *argv[] = { name, nullptr };
    QCoreApplication app(argc, argv);
    const QString programDirectory = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(QFileInfo(programDirectory).isWritable());
    EXPECT_EQ(
        applicationDirectory(), QDir::toNativeSeparators(programDirectory) + QDir::separator());
}

// Data file names are appended directly, so the result must name a directory that files go into.
TEST(ApplicationDirectory, FileNamesAppendIntoTheChosenDirectory)
{
    QTemporaryDir programDirectory;
    ASSERT_TRUE(programDirectory.isValid());
    const QString chosen = chooseApplicationDirectory({ programDirectory.path(), true, userData });
    EXPECT_EQ(QFileInfo(chosen + u"history.txt"_s).absolutePath(), programDirectory.path());
}

} // namespace
