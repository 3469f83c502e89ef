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
    testing::Values(PhraseRow { "TwoWords", QStringLiteral("red fox"), QStringLiteral("red+fox") },
        PhraseRow { "SpacesOnly", QStringLiteral("    "), QStringLiteral("++++") },
        PhraseRow { "Ampersand", QStringLiteral("AT&T"), QStringLiteral("AT%26T") },
        PhraseRow { "Hash", QStringLiteral("C# tutorial"), QStringLiteral("C%23+tutorial") },
        PhraseRow { "AlreadyEncoded", QStringLiteral("a%20b"), QStringLiteral("a%2520b") },
        PhraseRow { "AnotherField", QStringLiteral("a&btnG=x"), QStringLiteral("a%26btnG%3Dx") },
        PhraseRow { "OutsideTheBasicPlane", QString::fromUtf8("\xF0\x9F\x98\x80"),
            QStringLiteral("%F0%9F%98%80") }),
    [](const testing::TestParamInfo<PhraseRow> &info) { return std::string(info.param.name); });

} // namespace
