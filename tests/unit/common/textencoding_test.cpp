// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/textencoding.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

struct ByteCase
{
    const char *name;
    unsigned char byte;
    char16_t character;
};

std::ostream &operator<<(std::ostream &os, const ByteCase &c)
{
    return os << c.name;
}

class Windows1252Byte : public ::testing::TestWithParam<ByteCase>
{
};

TEST_P(Windows1252Byte, DecodesToItsCharacter)
{
    const QByteArray bytes(1, char(GetParam().byte));
    EXPECT_EQ(decodeWindows1252(bytes), QString(QChar(GetParam().character)));
}

TEST_P(Windows1252Byte, EncodesBackToTheSameByte)
{
    const QString text(QChar(GetParam().character));
    EXPECT_EQ(
        encodeWindows1252(text), std::optional<QByteArray>(QByteArray(1, char(GetParam().byte))));
}

const ByteCase byteCases[] = {
    { "Nul", 0x00, u'\0' },
    { "AsciiLetter", 0x41, u'A' },
    { "Delete", 0x7F, u'\x7f' },
    { "Euro", 0x80, u'\u20ac' },
    { "UndefinedAt81KeepsC1", 0x81, u'\x81' },
    { "LowDoubleQuote", 0x84, u'\u201e' },
    { "Ellipsis", 0x85, u'\u2026' },
    { "SCaron", 0x8A, u'\u0160' },
    { "UndefinedAt8DKeepsC1", 0x8D, u'\x8d' },
    { "UndefinedAt8FKeepsC1", 0x8F, u'\x8f' },
    { "UndefinedAt90KeepsC1", 0x90, u'\x90' },
    { "LeftSingleQuote", 0x91, u'\u2018' },
    { "RightDoubleQuote", 0x94, u'\u201d' },
    { "EnDash", 0x96, u'\u2013' },
    { "EmDash", 0x97, u'\u2014' },
    { "TradeMark", 0x99, u'\u2122' },
    { "UndefinedAt9DKeepsC1", 0x9D, u'\x9d' },
    { "YDiaeresis", 0x9F, u'\u0178' },
    { "NoBreakSpace", 0xA0, u'\u00a0' },
    { "EAcute", 0xE9, u'\u00e9' },
    { "YDiaeresisSmall", 0xFF, u'\u00ff' },
};

INSTANTIATE_TEST_SUITE_P(Table, Windows1252Byte, ::testing::ValuesIn(byteCases),
    [](const auto &info) { return std::string(info.param.name); });

// Each of the 256 bytes has its own character, and that character encodes back to it.
TEST(Windows1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
    EXPECT_EQ(encodeWindows1252(text), std::optional<QByteArray>(all));
}

struct UnfitCase
{
    const char *name;
    QString text;
};

std::ostream &operator<<(std::ostream &os, const UnfitCase &c)
{
    return os << c.name;
}

class Windows1252Unfit : public ::testing::TestWithParam<UnfitCase>
{
};

TEST_P(Windows1252Unfit, GivesNothing)
{
    EXPECT_EQ(encodeWindows1252(GetParam().text), std::nullopt);
}

const UnfitCase unfitCases[] = {
    // U+0080 is a C1 control whose byte 0x80 already stands for the euro sign.
    { "C1ControlTakenByEuro", u"a\u0080"_s },
    { "C1ControlTakenByQuote", u"\u0093"_s },
    { "LatinExtended", u"\u0100"_s },
    { "Cjk", u"ok \u6f22"_s },
    { "OutsideBasicPlane", u"smile \U0001F600"_s },
    { "LoneSurrogate", QString(QChar(0xD800)) },
    { "ReplacementCharacter", u"\ufffd"_s },
};

INSTANTIATE_TEST_SUITE_P(Characters, Windows1252Unfit, ::testing::ValuesIn(unfitCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Windows1252, EmptyTextEncodesToNoBytes)
{
    const auto bytes = encodeWindows1252(u"");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->isEmpty());
}

TEST(Windows1252, MixedTextEncodesByteForByte)
{
    EXPECT_EQ(encodeWindows1252(u"\u201ccaf\u00e9\u201d \u20ac5"_s),
        std::optional<QByteArray>(QByteArray("\x93"
                                             "caf\xE9\x94 \x80"
                                             "5")));
}

struct DecodeCase
{
    const char *name;
    QByteArray bytes;
    QString text;
    TextEncoding encoding;
    bool byteOrderMark;
};

std::ostream &operator<<(std::ostream &os, const DecodeCase &c)
{
    return os << c.name;
}

class EightBitDecoding : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(EightBitDecoding, PicksTheEncodingAndDecodes)
{
    const DecodedText decoded = decodeEightBitText(GetParam().bytes);
    EXPECT_EQ(decoded.text, GetParam().text);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
    EXPECT_EQ(decoded.hadByteOrderMark, GetParam().byteOrderMark);
}

constexpr auto utf8 = TextEncoding::Utf8;
constexpr auto cp1252 = TextEncoding::Windows1252;

const DecodeCase decodeCases[] = {
    { "Empty", QByteArray(), u""_s, utf8, false },
    { "Ascii", QByteArray("a,b\r\n"), u"a,b\r\n"_s, utf8, false },
    { "Utf8TwoByte", QByteArray("caf\xC3\xA9"), u"caf\u00e9"_s, utf8, false },
    { "Utf8ThreeByte", QByteArray("\xE2\x82\xAC"), u"\u20ac"_s, utf8, false },
    { "Utf8FourByte", QByteArray("\xF0\x9F\x98\x80"), u"\U0001F600"_s, utf8, false },
    { "Utf8WithByteOrderMark",
        QByteArray("\xEF\xBB\xBF"
                   "caf\xC3\xA9"),
        u"caf\u00e9"_s, utf8, true },
    { "ByteOrderMarkOnly", QByteArray("\xEF\xBB\xBF"), u""_s, utf8, true },
    { "ByteOrderMarkInsideTextKept",
        QByteArray("a\xEF\xBB\xBF"
                   "b"),
        u"a\ufeffb"_s, utf8, false },
    { "SecondByteOrderMarkIsText",
        QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                   "x"),
        u"\ufeffx"_s, utf8, true },
    { "NulBytesKept", QByteArray("a\0b", 3), QString::fromUtf16(u"a\0b", 3), utf8, false },
    { "Latin1ByteAtEnd", QByteArray("caf\xE9"), u"caf\u00e9"_s, cp1252, false },
    { "Latin1ByteInside", QByteArray("caf\xE9 au lait"), u"caf\u00e9 au lait"_s, cp1252, false },
    { "SmartQuotes", QByteArray("\x93hi\x94"), u"\u201chi\u201d"_s, cp1252, false },
    { "EuroByte", QByteArray("5\x80"), u"5\u20ac"_s, cp1252, false },
    { "LoneContinuationByte", QByteArray("a\xA9"), u"a\u00a9"_s, cp1252, false },
    { "OverlongSlash", QByteArray("\xC0\xAF"), u"\u00c0\u00af"_s, cp1252, false },
    { "EncodedSurrogate", QByteArray("\xED\xA0\x80"), u"\u00ed\u00a0\u20ac"_s, cp1252, false },
    { "BeyondUnicode", QByteArray("\xF4\x90\x80\x80"), u"\u00f4\u0090\u20ac\u20ac"_s, cp1252,
        false },
    { "TruncatedSequenceAtEnd", QByteArray("ok\xE2\x82"), u"ok\u00e2\u201a"_s, cp1252, false },
    { "ValidUtf8ThenInvalidByte", QByteArray("\xC3\xA9\xE9"), u"\u00c3\u00a9\u00e9"_s, cp1252,
        false },
};

INSTANTIATE_TEST_SUITE_P(Bytes, EightBitDecoding, ::testing::ValuesIn(decodeCases),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
