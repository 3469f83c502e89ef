// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/searchaddress.h"
#include "unit/qtprinters.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// The phrase is encoded as a form field and reaches the engine unchanged in the q field, read
// back the way a search engine reads a form.
TEST(SearchAddress, PhraseIsEncodedAsAFormField)
{
    const std::pair<QString, QString> rows[] = { { "red fox", "red+fox" }, { "AT&T", "AT%26T" },
        { "a%20b", "a%2520b" }, { "a&btnG=x", "a%26btnG%3Dx" },
        { QString::fromUtf8("\xF0\x9F\x98\x80"), "%F0%9F%98%80" } };
    for (const auto &[phrase, field] : rows) {
        EXPECT_EQ(encodeSearchPhrase(phrase), field);
        const QUrl url(searchAddress(phrase), QUrl::StrictMode);
        ASSERT_TRUE(url.isValid()) << field.toStdString();
        const QUrlQuery query(url);
        EXPECT_EQ(query.allQueryItemValues(QStringLiteral("q")).size(), 1) << field.toStdString();
        QString sent = query.queryItemValue(QStringLiteral("q"), QUrl::FullyEncoded);
        EXPECT_EQ(QUrl::fromPercentEncoding(sent.replace(u'+', u' ').toLatin1()), phrase);
    }
}

} // namespace
