// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/searchaddress.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

struct PhraseRow
{
    const char *name;
    QString phrase;
    QString field; // the q field as it must appear in the address
};

std::ostream &operator<<(std::ostream &os, const PhraseRow &row)
{
    return os << row.name;
}

class SearchPhrase : public testing::TestWithParam<PhraseRow>
{
};

// The phrase read back from the address the way a search engine reads a form field.
QString decodedQueryField(const QString &address)
{
    const QUrlQuery query(QUrl(address, QUrl::StrictMode));
    QString field = query.queryItemValue(QStringLiteral("q"), QUrl::FullyEncoded);
    field.replace(QLatin1Char('+'), QLatin1Char(' '));
    return QUrl::fromPercentEncoding(field.toLatin1());
}

QStringList queryKeys(const QString &address)
{
    QStringList keys;
    const auto items = QUrlQuery(QUrl(address, QUrl::StrictMode)).queryItems();
    for (const auto &item : items)
        keys.append(item.first);
    return keys;
}

TEST_P(SearchPhrase, IsEncodedAsAFormField)
{
    EXPECT_EQ(encodeSearchPhrase(GetParam().phrase).toStdString(), GetParam().field.toStdString());
}

TEST_P(SearchPhrase, ReachesTheEngineUnchangedInTheQField)
{
    const QString address = searchAddress(GetParam().phrase);
    ASSERT_TRUE(QUrl(address, QUrl::StrictMode).isValid()) << address.toStdString();
    EXPECT_EQ(queryKeys(address), QStringList({ "hl", "lr", "ie", "oe", "q", "btnG" }))
        << address.toStdString();
    EXPECT_EQ(decodedQueryField(address).toStdString(), GetParam().phrase.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Phrases, SearchPhrase,
    testing::Values(PhraseRow { "OneWord", QStringLiteral("apple"), QStringLiteral("apple") },
        PhraseRow { "TwoWords", QStringLiteral("red fox"), QStringLiteral("red+fox") },
        PhraseRow { "OneSpace", QStringLiteral(" "), QStringLiteral("+") },
        PhraseRow { "SpacesOnly", QStringLiteral("    "), QStringLiteral("++++") },
        PhraseRow { "SpacesAroundAWord", QStringLiteral(" ox  "), QStringLiteral("+ox++") },
        PhraseRow { "Ampersand", QStringLiteral("AT&T"), QStringLiteral("AT%26T") },
        PhraseRow { "Hash", QStringLiteral("C# tutorial"), QStringLiteral("C%23+tutorial") },
        PhraseRow { "Plus", QStringLiteral("C++"), QStringLiteral("C%2B%2B") },
        PhraseRow { "Percent", QStringLiteral("100%"), QStringLiteral("100%25") },
        PhraseRow { "AlreadyEncoded", QStringLiteral("a%20b"), QStringLiteral("a%2520b") },
        PhraseRow { "EqualsAndQuestion", QStringLiteral("x=1?"), QStringLiteral("x%3D1%3F") },
        PhraseRow { "AnotherField", QStringLiteral("a&btnG=x"), QStringLiteral("a%26btnG%3Dx") },
        PhraseRow { "AddressCharactersStay", QStringLiteral("site:a.example/b"),
            QStringLiteral("site:a.example/b") },
        PhraseRow { "Tab", QStringLiteral("a\tb"), QStringLiteral("a%09b") },
        PhraseRow { "Accented", QStringLiteral("caf\u00e9"), QStringLiteral("caf%C3%A9") },
        PhraseRow { "ThreeByteCharacters", QStringLiteral("\u65e5\u672c"),
            QStringLiteral("%E6%97%A5%E6%9C%AC") },
        PhraseRow { "OutsideTheBasicPlane", QString::fromUtf8("\xF0\x9F\x98\x80"),
            QStringLiteral("%F0%9F%98%80") }),
    [](const testing::TestParamInfo<PhraseRow> &info) { return std::string(info.param.name); });

TEST(SearchAddress, PutsThePhraseInPlaceOfThePlaceholder)
{
    EXPECT_EQ(searchAddress(QStringLiteral("red fox")).toStdString(),
        "http://www.google.com/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=red+fox"
        "&btnG=Google+Search");
}

TEST(SearchAddress, LeavesAPhraseWithThePlaceholderWordAlone)
{
    EXPECT_EQ(searchAddress(QStringLiteral("apple pie")).toStdString(),
        "http://www.google.com/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=apple+pie"
        "&btnG=Google+Search");
}

} // namespace
