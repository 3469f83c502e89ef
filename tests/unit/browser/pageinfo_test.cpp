// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageinfo.h"
#include "browser/core/pagemarkup.h"
#include "qstringprinter.h"

#include <gtest/gtest.h>

namespace {

struct TextRow
{
    const char *name;
    QString input;
    QString expected;
};

std::string rowName(const testing::TestParamInfo<TextRow> &info)
{
    return info.param.name;
}

class ProtocolTest : public testing::TestWithParam<TextRow>
{
};

TEST_P(ProtocolTest, NamesTheSchemeOfTheAddress)
{
    EXPECT_EQ(PageInfo::protocolName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PageInfo, ProtocolTest,
    testing::Values(TextRow { "Http", QStringLiteral("http://127.0.0.1:8080/a"),
                        QStringLiteral("HyperText Transfer Protocol (HTTP)") },
        TextRow { "HttpsUpperCase", QStringLiteral("HTTPS://example.org/"),
            QStringLiteral("HyperText Transfer Protocol with Privacy (HTTPS)") },
        TextRow {
            "LocalFile", QStringLiteral("file:///tmp/page.html"), QStringLiteral("File Protocol") },
        TextRow { "BlankPage", QStringLiteral("about:blank"), QStringLiteral("About Protocol") },
        TextRow {
            "UnknownScheme", QStringLiteral("gopher://host/"), QStringLiteral("GOPHER Protocol") },
        TextRow { "NoAddress", QString(), QStringLiteral("Not available") }),
    rowName);

class TypeTest : public testing::TestWithParam<TextRow>
{
};

TEST_P(TypeTest, NamesTheDocumentType)
{
    EXPECT_EQ(PageInfo::typeName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PageInfo, TypeTest,
    testing::Values(TextRow { "Html", QStringLiteral("text/html"),
                        QStringLiteral("HTML Document (text/html)") },
        TextRow { "HtmlWithCharset", QStringLiteral("Text/HTML; charset=utf-8"),
            QStringLiteral("HTML Document (text/html)") },
        TextRow {
            "Plain", QStringLiteral("text/plain"), QStringLiteral("Text Document (text/plain)") },
        TextRow { "OtherTypeAsItIs", QStringLiteral("image/png"), QStringLiteral("image/png") },
        TextRow { "Unknown", QStringLiteral(" "), QStringLiteral("Not available") }),
    rowName);

struct SizeRow
{
    const char *name;
    qint64 size;
    QString expected;
};

class SizeTest : public testing::TestWithParam<SizeRow>
{
};

TEST_P(SizeTest, GroupsDigitsByThrees)
{
    EXPECT_EQ(PageInfo::sizeText(GetParam().size), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PageInfo, SizeTest,
    testing::Values(SizeRow { "Unknown", -1, QStringLiteral("Not available") },
        SizeRow { "Empty", 0, QStringLiteral("0 bytes") },
        SizeRow { "One", 1, QStringLiteral("1 byte") },
        SizeRow { "ThreeDigits", 999, QStringLiteral("999 bytes") },
        SizeRow { "FourDigits", 1000, QStringLiteral("1,000 bytes") },
        SizeRow { "SevenDigits", 1234567, QStringLiteral("1,234,567 bytes") }),
    [](const testing::TestParamInfo<SizeRow> &info) { return std::string(info.param.name); });

TEST(PageInfoLines, ListEveryFactInOrderWithGapsMarked)
{
    const PageInfo::Facts facts { QStringLiteral("News"), QStringLiteral("http://host/news"),
        QStringLiteral("text/html"), QString(), 2048 };
    const auto lines = PageInfo::lines(facts);
    QStringList labels;
    QStringList values;
    for (const auto &line : lines) {
        labels << line.label;
        values << line.value;
    }
    EXPECT_EQ(labels, (QStringList { "Title", "Address", "Protocol", "Type", "Size", "Modified" }));
    EXPECT_EQ(values,
        (QStringList { "News", "http://host/news", "HyperText Transfer Protocol (HTTP)",
            "HTML Document (text/html)", "2,048 bytes", "Not available" }));
}

struct MarkupRow
{
    const char *name;
    QString markup;
    QByteArray bytes;
};

class MarkupFileTest : public testing::TestWithParam<MarkupRow>
{
};

TEST_P(MarkupFileTest, IsTheMarkupInUtf8WithOneCrLfAtTheEnd)
{
    EXPECT_EQ(PageMarkup::fileContents(GetParam().markup), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(PageMarkup, MarkupFileTest,
    testing::Values(MarkupRow { "Empty", QString(), QByteArray("\r\n") },
        MarkupRow { "OneLine", QStringLiteral("<head></head><body>Hi</body>"),
            QByteArray("<head></head><body>Hi</body>\r\n") },
        MarkupRow { "LineBreaksKept", QStringLiteral("<head></head>\n<body>\r\nA\n</body>\n"),
            QByteArray("<head></head>\n<body>\r\nA\n</body>\n\r\n") },
        MarkupRow { "NonAscii", QStringLiteral("<body>caf\u00e9 \u20ac</body>"),
            QByteArray("<body>caf\xc3\xa9 \xe2\x82\xac</body>\r\n") }),
    [](const testing::TestParamInfo<MarkupRow> &info) { return std::string(info.param.name); });

} // namespace
