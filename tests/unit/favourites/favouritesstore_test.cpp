// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/core/favouritesstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "unit/qtprinters.h"
#include <unistd.h>

namespace {

struct Pair
{
    QString name;
    QString address;
};

class FavouritesFile : public testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("favourites.dat")); }

    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray read() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    FavouritesStore storeWith(const QList<Pair> &pairs) const
    {
        FavouritesStore store(path());
        for (const Pair &pair : pairs)
            store.add(pair.name, pair.address);
        return store;
    }

    QTemporaryDir m_dir;
};

// What a save writes, byte for byte.
struct SaveRow
{
    const char *name;
    QList<Pair> pairs;
    QByteArray bytes;
};

class SaveFormat : public FavouritesFile, public testing::WithParamInterface<SaveRow>
{
};

TEST_P(SaveFormat, WritesEachPairQuotedOnItsOwnLine)
{
    FavouritesStore store = storeWith(GetParam().pairs);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(read(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Favourites, SaveFormat,
    testing::Values(
        SaveRow { "TwoPairs",
            { { "Home", "http://home.example/" }, { "News", "http://news.example/a?b=c" } },
            "\"Home\",\"http://home.example/\"\r\n"
            "\"News\",\"http://news.example/a?b=c\"\r\n" },
        SaveRow { "CommasStayInsideQuotes", { { "Smith, J.", "http://x.example/?a=1,2" } },
            "\"Smith, J.\",\"http://x.example/?a=1,2\"\r\n" },
        SaveRow { "QuotesKeptAsTheyAre", { { "The \"best\" page", "http://x.example/\"q\"" } },
            "\"The \"best\" page\",\"http://x.example/\"q\"\"\r\n" }),
    [](const testing::TestParamInfo<SaveRow> &info) { return info.param.name; });

// What a load makes of a file.
struct LoadRow
{
    const char *name;
    QByteArray bytes;
    QStringList names;
    QStringList addresses;
};

class LoadFormat : public FavouritesFile, public testing::WithParamInterface<LoadRow>
{
};

TEST_P(LoadFormat, ReadsFieldsTwoAtATime)
{
    write(GetParam().bytes);
    FavouritesStore store(path());
    store.load();
    EXPECT_EQ(store.names(), GetParam().names);
    EXPECT_EQ(store.addresses(), GetParam().addresses);
    EXPECT_EQ(store.currentIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(Favourites, LoadFormat,
    testing::Values(LoadRow { "LoneTrailingNameDropped", "\"A\",\"http://a/\"\r\n\"B\"\r\n",
                        { "A" }, { "http://a/" } },
        LoadRow { "PairsAcrossLineBreaks", "\"A\"\r\n\"http://a/\",\"B\"\r\n\"http://b/\"\r\n",
            { "A", "B" }, { "http://a/", "http://b/" } },
        LoadRow {
            "UnquotedWithSpaces", "  My page  ,http://x/  \n", { "My page" }, { "http://x/" } }),
    [](const testing::TestParamInfo<LoadRow> &info) { return info.param.name; });

// Texts that must come back from the file exactly as they went in.
struct RoundTripRow
{
    const char *name;
    Pair pair;
};

class RoundTrip : public FavouritesFile, public testing::WithParamInterface<RoundTripRow>
{
};

TEST_P(RoundTrip, SaveThenLoadGivesThePairBack)
{
    const Pair &pair = GetParam().pair;
    storeWith({ { "first", "http://first/" }, pair, { "last", "http://last/" } }).save();

    FavouritesStore reloaded(path());
    reloaded.load();
    ASSERT_EQ(reloaded.count(), 3);
    EXPECT_EQ(reloaded.names()[1], pair.name);
    EXPECT_EQ(reloaded.addresses()[1], pair.address);
    EXPECT_EQ(reloaded.names()[2], "last");
}

INSTANTIATE_TEST_SUITE_P(Favourites, RoundTrip,
    testing::Values(RoundTripRow { "Commas", { "a, b, c", "http://x/?q=1,2,3" } },
        RoundTripRow { "Quotes", { "say \"hi\" twice", "http://x/\"" } },
        RoundTripRow { "SurroundingSpaces", { "  padded  ", " http://x/ " } }),
    [](const testing::TestParamInfo<RoundTripRow> &info) { return info.param.name; });

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

TEST_F(FavouritesFile, SaveOfThreePairsSelectsTheThird)
{
    FavouritesStore store = storeWith({ { "a", "1" }, { "b", "2" }, { "c", "3" } });
    store.setCurrentIndex(0);
    store.save();
    EXPECT_EQ(store.currentIndex(), 2);
}

TEST_F(FavouritesFile, SavingTheEmptiedListEmptiesTheFile)
{
    write("\"Gone\",\"http://gone/\"\r\n");
    FavouritesStore store(path());
    store.load();
    store.removeAt(0);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(read(), QByteArray());
    EXPECT_EQ(store.currentIndex(), -1);

    store.load();
    EXPECT_EQ(store.count(), 0);
}

TEST_F(FavouritesFile, FailedSaveKeepsTheOldFile)
{
    // The save goes through a temporary file named after the data file; a data file name at the
    // length limit leaves no room for that name, so the save fails even for a privileged user.
    const QString longPath = m_dir.filePath(QString(250, u'f'));
    const QByteArray old = "\"Old\",\"http://old/\"\r\n";
    {
        QFile file(longPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    FavouritesStore store(longPath);
    store.load();
    store.add("New", "http://new/");

    EXPECT_FALSE(store.save());
    QFile file(longPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(store.count(), 2);
}

TEST(FavouritesStore, AddStopsAtTheLimit)
{
    FavouritesStore store(QStringLiteral("unused"));
    for (int i = 0; i < FavouritesStore::maxEntries; ++i)
        ASSERT_TRUE(store.add(QString::number(i), QString()));
    EXPECT_FALSE(store.add("one too many", "http://x/"));
    EXPECT_EQ(store.count(), FavouritesStore::maxEntries);
    EXPECT_EQ(store.names().last(), QString::number(FavouritesStore::maxEntries - 1));

    store.removeAt(0);
    EXPECT_TRUE(store.add("fits again", "http://x/"));
}

// Where the current entry goes when a pair is removed.
struct RemoveRow
{
    const char *name;
    int current;
    int removed;
    int currentAfter;
    QStringList namesAfter;
};

class Removing : public testing::TestWithParam<RemoveRow>
{
};

TEST_P(Removing, KeepsBothListsInStepAndTheCurrentEntryOnItsPair)
{
    FavouritesStore store(QStringLiteral("unused"));
    for (const char *name : { "a", "b", "c" })
        store.add(name, QStringLiteral("http://%1/").arg(QLatin1String(name)));
    store.setCurrentIndex(GetParam().current);

    store.removeAt(GetParam().removed);

    EXPECT_EQ(store.names(), GetParam().namesAfter);
    ASSERT_EQ(store.addresses().size(), store.names().size());
    for (int i = 0; i < store.count(); ++i)
        EXPECT_EQ(store.addresses()[i], QStringLiteral("http://%1/").arg(store.names()[i]));
    EXPECT_EQ(store.currentIndex(), GetParam().currentAfter);
}

INSTANTIATE_TEST_SUITE_P(Favourites, Removing,
    testing::Values(RemoveRow { "CurrentOneGoesNothingCurrent", 1, 1, -1, { "a", "c" } },
        RemoveRow { "EarlierOneShiftsCurrent", 2, 0, 1, { "b", "c" } },
        RemoveRow { "NothingSelectedChangesNothing", -1, -1, -1, { "a", "b", "c" } }),
    [](const testing::TestParamInfo<RemoveRow> &info) { return info.param.name; });

} // namespace
