// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/core/favouritesstore.h"

#include <gtest/gtest.h>

#include "unit/qtprinters.h"
#include "unit/testsupport.h"
#include <unistd.h>

namespace {

using FavouritesFile = DataFileFixture;

// Each pair quoted on its own line, quotes inside left as they are where they read back; the save
// makes the last entry current.
TEST_F(FavouritesFile, SaveWritesEachPairQuotedOnItsOwnLine)
{
    FavouritesStore store(path());
    store.add("Smith, J.", "http://x.example/?a=1,2");
    store.add("The \"best\" page", "http://x.example/\"q\"");
    store.setCurrentIndex(0);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(read(),
        "\"Smith, J.\",\"http://x.example/?a=1,2\"\r\n"
        "\"The \"best\" page\",\"http://x.example/\"q\"\"\r\n");
}

// Fields pair up two at a time whatever the lines, and a name left without an address is dropped;
// an emptied list saves as an empty file.
TEST_F(FavouritesFile, LoadPairsFieldsAcrossLinesAndAnEmptiedListSavesEmpty)
{
    write("\"A\"\r\n\"http://a/\",\"B\"\r\n\"http://b/\"\r\n\"C\"\r\n");
    FavouritesStore store(path());
    store.load();
    EXPECT_EQ(store.names(), QStringList({ "A", "B" }));
    EXPECT_EQ(store.addresses(), QStringList({ "http://a/", "http://b/" }));
    store.removeAt(0);
    store.removeAt(0);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(read(), QByteArray());
    EXPECT_EQ(store.currentIndex(), -1);
}

// A file the user may not read, in a folder they may write: a save would replace what could not be
// read. Root reads anything, so the test takes an ordinary user's rights while it runs.
TEST_F(FavouritesFile, UnreadableFileIsNeverReplaced)
{
    const QByteArray old = "\"Kept\",\"http://kept/\"\r\n";
    write(old);
    QFile::setPermissions(path(), QFile::WriteOwner);
    QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7777));
    const uid_t user = geteuid();
    ASSERT_TRUE(user != 0 || seteuid(65534) == 0);
    FavouritesStore store(path());
    store.load();
    store.add("New", "http://new/");
    const bool saved = store.save();
    ASSERT_EQ(seteuid(user), 0);

    EXPECT_TRUE(store.loadFailed());
    EXPECT_FALSE(saved);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(read(), old);
}

TEST(FavouritesStore, AddStopsAtTheLimit)
{
    FavouritesStore store(QStringLiteral("unused"));
    for (int i = 0; i < FavouritesStore::maxEntries; ++i)
        ASSERT_TRUE(store.add(QString::number(i), QString()));
    EXPECT_FALSE(store.add("one too many", "http://x/"));
    EXPECT_EQ(store.count(), FavouritesStore::maxEntries);
    store.removeAt(0);
    EXPECT_TRUE(store.add("fits again", "http://x/"));
}

// Both lists stay in step, and the current entry stays on its pair (or goes, with its pair).
TEST(FavouritesStore, RemovingKeepsTheCurrentEntryOnItsPair)
{
    for (const QJsonValue row : tableRows("favouritesstore", "removal")) {
        FavouritesStore store(QStringLiteral("unused"));
        for (const char *name : { "a", "b", "c" })
            store.add(name, QStringLiteral("http://%1/").arg(QLatin1String(name)));
        store.setCurrentIndex(row[0].toInt());
        store.removeAt(row[1].toInt());
        EXPECT_EQ(store.currentIndex(), row[2].toInt()) << shown(row);
        EXPECT_EQ(store.names(), strings(row[3]));
        ASSERT_EQ(store.addresses().size(), store.names().size());
        for (int i = 0; i < store.count(); ++i)
            EXPECT_EQ(store.addresses()[i], QStringLiteral("http://%1/").arg(store.names()[i]));
    }
}

} // namespace
