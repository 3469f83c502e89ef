// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageinfo.h"
#include "browser/core/pagemarkup.h"
#include "unit/qtprinters.h"

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
        TextRow {
            "LocalFile", QStringLiteral("file:///tmp/page.html"), QStringLiteral("File Protocol") },
        TextRow { "BlankPage", QStringLiteral("about:blank"), QStringLiteral("About Protocol") },
        TextRow {
            "UnknownScheme", QStringLiteral("gopher://host/"), QStringLiteral("GOPHER Protocol") }),
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
    testing::Values(MarkupRow { "OneLine", QStringLiteral("<head></head><body>Hi</body>"),
        QByteArray("<head></head><body>Hi</body>\r\n") }),
    [](const testing::TestParamInfo<MarkupRow> &info) { return std::string(info.param.name); });

} // namespace
