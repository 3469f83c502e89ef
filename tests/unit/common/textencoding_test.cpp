// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/textencoding.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

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
    EXPECT_EQ(text.mid(0x80, 2), u"\u20ac\u0081"_s); // the euro sign, then an undefined byte
}

// The byte-by-byte lookup the RTF writer uses agrees with the text encoder on every character.
TEST(Windows1252, SingleCharacterLookupAgreesWithTheEncoder)
{
    for (int c = 0; c <= 0xFFFF; ++c) {
        const std::optional<QByteArray> bytes = encodeWindows1252(QString(QChar(char16_t(c))));
        const std::optional<char> byte = unicodeToWindows1252(char16_t(c));
        ASSERT_EQ(byte.has_value(), bytes.has_value()) << c;
        if (byte)
            ASSERT_EQ(QByteArray(1, *byte), *bytes) << c;
    }
}

TEST(Windows1252, TheFiveUndefinedBytesKeepTheirC1Controls)
{
    for (const unsigned char byte : { 0x81, 0x8D, 0x8F, 0x90, 0x9D })
        EXPECT_EQ(decodeWindows1252(QByteArray(1, char(byte))), QString(QChar(byte))) << int(byte);
}

TEST(Windows1252, CharactersOutsideItGiveNothing)
{
    // U+0093 is a C1 control whose byte already stands for a quotation mark.
    for (const QString &text : { u"\u0093"_s, u"a\u0100"_s, u"\U0001F600"_s, u"\ufffd"_s })
        EXPECT_EQ(encodeWindows1252(text), std::nullopt) << text.toStdString();
}

struct DecodeCase
{
    const char *name;
    QByteArray bytes;
    QString text;
    TextEncoding encoding;
    bool byteOrderMark;
};

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

INSTANTIATE_TEST_SUITE_P(Bytes, EightBitDecoding,
    ::testing::Values(DecodeCase { "Empty", QByteArray(), u""_s, utf8, false },
        DecodeCase { "Utf8FourByte", QByteArray("\xF0\x9F\x98\x80"), u"\U0001F600"_s, utf8, false },
        DecodeCase { "SecondByteOrderMarkIsText", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"),
            u"\ufeffx"_s, utf8, true },
        DecodeCase { "SmartQuotes", QByteArray("\x93hi\x94"), u"\u201chi\u201d"_s, cp1252, false },
        DecodeCase { "ByteOrderMarkThenInvalidByte", QByteArray("\xEF\xBB\xBF\xE9"),
            u"\u00ef\u00bb\u00bf\u00e9"_s, cp1252, false },
        DecodeCase { "TruncatedSequenceAtEnd", QByteArray("ok\xE2\x82"), u"ok\u00e2\u201a"_s,
            cp1252, false }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
