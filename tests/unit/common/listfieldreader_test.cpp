// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/listfieldreader.h"

#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ListFieldReader, ReadsFieldsByTheRules)
{
    for (const QJsonValue row : tableRows("listfieldreader", "read")) {
        EXPECT_EQ(ListFieldReader::readAll(row[0].toString()), strings(row[1])) << shown(row);
    }
}

// Every short text over the characters that steer the reader: reading ends, and never gives more
// fields than there are separators plus one, nor a field longer than the text.
TEST(ListFieldReader, AnyShortTextReadsToTheEnd)
{
    const QString alphabet = u"\", \r\na"_s;
    const int length = 6;
    int combinations = 1;
    for (int i = 0; i < length; ++i)
        combinations *= int(alphabet.size());
    for (int n = 0; n < combinations; ++n) {
        QString text;
        for (int i = 0, rest = n; i < length; ++i, rest /= int(alphabet.size()))
            text.append(alphabet[rest % alphabet.size()]);
        const QStringList fields = ListFieldReader::readAll(text);
        const qsizetype separators = text.count(u',') + text.count(u'\r') + text.count(u'\n');
        ASSERT_LE(fields.size(), separators + 1) << ::testing::PrintToString(text);
        for (const QString &field : fields)
            ASSERT_LE(field.size(), text.size()) << ::testing::PrintToString(text);
    }
}

// Writers quote so that the reader gives each field back unchanged, one field per line (history)
// or two on a line (favourites).
TEST(QuoteField, AwkwardFieldsReadBackUnchanged)
{
    for (const QJsonValue row : tableRows("listfieldreader", "awkward fields")) {
        const QString field = row[0].toString();
        const QString lines = u"before\r\n"_s + quoteFieldIfNeeded(field) + u"\r\n"_s
            + quoteField(field) + u"\r\nafter\r\n"_s;
        EXPECT_EQ(ListFieldReader::readAll(lines),
            (QStringList { u"before"_s, field, field, u"after"_s }));
        const QString pairs = quoteField(field) + u","_s + quoteFieldIfNeeded(field) + u"\r\n"_s
            + quoteFieldIfNeeded(field) + u",\"next\"\r\n"_s;
        EXPECT_EQ(
            ListFieldReader::readAll(pairs), (QStringList { field, field, field, u"next"_s }));
    }
}

// Quotes are written as they are wherever that reads back, so readers that never undouble quotes
// read the file the same; text that reads the same unquoted is left alone.
TEST(QuoteField, WritesAsLittleAsReadsBack)
{
    for (const QString &field : { u"say \"hi\" now"_s, u"\"x"_s, u"x\""_s, u"\"q\""_s, u"\""_s })
        EXPECT_EQ(quoteField(field), u'"' + field + u'"');
    for (const QString &field : { u"http://example.com/a?b=c"_s, u"a b"_s, u"1.50"_s, u""_s })
        EXPECT_EQ(quoteFieldIfNeeded(field), field);
}

} // namespace
