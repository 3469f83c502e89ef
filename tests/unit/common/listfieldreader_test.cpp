// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/listfieldreader.h"

#include "unit/qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ReadCase
{
    const char *name;
    QString text;
    QStringList fields;
};

class ListFieldReading : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ListFieldReading, GivesTheExpectedFields)
{
    EXPECT_EQ(ListFieldReader::readAll(GetParam().text), GetParam().fields);
}

const ReadCase readCases[] = {
    { "EmptyText", u""_s, {} },
    { "MixedLineEnds", u"a\r\nb\nc\rd"_s, { u"a"_s, u"b"_s, u"c"_s, u"d"_s } },
    { "CommaInsideQuotesStays", u"\"a,b\",c\r\n"_s, { u"a,b"_s, u"c"_s } },
    { "LeadingSpacesSkipped", u"   a,  b\r\n"_s, { u"a"_s, u"b"_s } },
    { "TrailingSpacesOfUnquotedDropped", u"a   ,b  \r\n"_s, { u"a"_s, u"b"_s } },
    { "LineEndInsideQuotesKept", u"\"a\r\nb\",c"_s, { u"a\r\nb"_s, u"c"_s } },
    { "DoubledQuotesStandForOne", u"\"say \"\"hi\"\"\"\r\n"_s, { u"say \"hi\""_s } },
    { "TextAfterClosingQuoteDroppedUpToComma", u"\"a\" junk, b\r\n"_s, { u"a"_s, u"b"_s } },
    { "QuoteBeforeCommaClosesTheField", u"\"a\" \"b\",c\r\n"_s, { u"a\" \"b"_s, u"c"_s } },
    // Lines written with quotes left undoubled, as the format always wrote them.
    { "LegacyQuoteEndingAName", u"\"x\"\",\"http://u/\"\r\n\"y\",\"v\"\r\n"_s,
        { u"x\""_s, u"http://u/"_s, u"y"_s, u"v"_s } },
    { "LegacyQuotedWord", u"\"say \"hi\"\",\"u\"\r\n"_s, { u"say \"hi\""_s, u"u"_s } },
    { "UnclosedQuoteSpansLines", u"x\r\n\"abc\r\ndef\r\n"_s, { u"x"_s, u"abc\r\ndef\r\n"_s } },
    { "QuoteInsideUnquotedFieldKept", u"ab\"c\",d\r\n"_s, { u"ab\"c\""_s, u"d"_s } },
    { "CrCrIsABlankLine", u"a\r\rb"_s, { u"a"_s, u""_s, u"b"_s } },
    { "CommaBeforeLineEndEndsWithEmptyField", u"a,\r\nb\r\n"_s, { u"a"_s, u""_s, u"b"_s } },
};

INSTANTIATE_TEST_SUITE_P(Rules, ListFieldReading, ::testing::ValuesIn(readCases),
    [](const auto &info) { return std::string(info.param.name); });

// Every short text over the characters that steer the reader: reading ends, and never gives more
// fields than there are separators plus one, nor a field longer than the text.
TEST(ListFieldReaderRobustness, AnyShortTextReadsToTheEnd)
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

// Writers quote so that the reader gives each field back unchanged.
struct RoundTripCase
{
    const char *name;
    QString field;
};

class QuotedFieldRoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
};

const RoundTripCase roundTripCases[] = {
    { "Empty", u""_s },
    { "Comma", u"a,b"_s },
    { "LeadingSpaces", u"  lead"_s },
    { "TrailingSpaces", u"trail  "_s },
    { "OnlyQuote", u"\""_s },
    { "QuoteInside", u"say \"hi\" now"_s },
    { "LeadingQuote", u"\"x"_s },
    { "TrailingQuote", u"x\""_s },
    { "CrLf", u"a\r\nb"_s },
    { "Cr", u"a\rb"_s },
    { "QuoteBeforeComma", u"a\",b"_s },
    { "QuotedWordBeforeComma", u"He said \"hi\", then left"_s },
};

// Written history-style: one field per line.
TEST_P(QuotedFieldRoundTrip, OneFieldPerLine)
{
    const QString field = GetParam().field;
    const QString text = u"before\r\n"_s + quoteFieldIfNeeded(field) + u"\r\n"_s + quoteField(field)
        + u"\r\nafter\r\n"_s;
    EXPECT_EQ(
        ListFieldReader::readAll(text), (QStringList { u"before"_s, field, field, u"after"_s }));
}

// Written favourites-style: two fields on a line, separated by a comma.
TEST_P(QuotedFieldRoundTrip, PairsOnALine)
{
    const QString field = GetParam().field;
    const QString text = quoteField(field) + u","_s + quoteFieldIfNeeded(field) + u"\r\n"_s
        + quoteFieldIfNeeded(field) + u","_s + quoteField(u"next"_s) + u"\r\n"_s;
    EXPECT_EQ(ListFieldReader::readAll(text), (QStringList { field, field, field, u"next"_s }));
}

INSTANTIATE_TEST_SUITE_P(AwkwardFields, QuotedFieldRoundTrip, ::testing::ValuesIn(roundTripCases),
    [](const auto &info) { return std::string(info.param.name); });

// Quotes are written as they are wherever that reads back, so readers that never undouble quotes
// read the file the same.
TEST(QuoteField, LeavesQuotesUndoubledWhereTheyReadBack)
{
    for (const QString &field : { u"say \"hi\" now"_s, u"\"x"_s, u"x\""_s, u"\"q\""_s, u"\""_s })
        EXPECT_EQ(quoteField(field), u'"' + field + u'"');
}

// Text that reads the same unquoted is left alone, so files without quotes look as they always did.
TEST(QuoteFieldIfNeeded, LeavesOrdinaryTextUnquoted)
{
    for (const QString &field : { u"http://example.com/a?b=c"_s, u"a b"_s, u"1.50"_s, u""_s })
        EXPECT_EQ(quoteFieldIfNeeded(field), field);
}

} // namespace
