// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/textencoding.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// Each of the 256 bytes has its own character, which encodes back to it; the five undefined bytes
// keep their C1 controls.
TEST(Windows1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
    EXPECT_EQ(encodeWindows1252(text), std::optional<QByteArray>(all));
    EXPECT_EQ(text.at(0x80), u'\u20ac');
    for (const int byte : { 0x81, 0x8D, 0x8F, 0x90, 0x9D })
        EXPECT_EQ(text.at(byte), QChar(byte));
}

// The byte-by-byte lookup the RTF writer uses agrees with the text encoder on every character;
// characters outside the code page (U+0093 included: its byte stands for a quotation mark) have no
// byte.
TEST(Windows1252, SingleCharacterLookupAgreesWithTheEncoder)
{
    for (int c = 0; c <= 0xFFFF; ++c) {
        const std::optional<QByteArray> bytes = encodeWindows1252(QString(QChar(char16_t(c))));
        const std::optional<char> byte = unicodeToWindows1252(char16_t(c));
        ASSERT_EQ(byte.has_value(), bytes.has_value()) << c;
        if (byte) {
            ASSERT_EQ(QByteArray(1, *byte), *bytes) << c;
        }
    }
    for (const QString &text : { u"\u0093"_s, u"a\u0100"_s, u"\U0001F600"_s })
        EXPECT_EQ(encodeWindows1252(text), std::nullopt) << text.toStdString();
}

// UTF-8 when the bytes are valid UTF-8 (one byte order mark dropped), else Windows-1252 throughout.
TEST(EightBitText, PicksTheEncodingAndDecodes)
{
    for (const QJsonValue row : tableRows("textencoding", "eight-bit text")) {
        const DecodedText decoded = decodeEightBitText(bytes(row[0]));
        EXPECT_EQ(decoded.text, row[1].toString()) << shown(row);
        EXPECT_EQ(decoded.encoding == TextEncoding::Utf8, row[2].toString() == u"utf8")
            << shown(row);
        EXPECT_EQ(decoded.hadByteOrderMark, row[3].toBool()) << shown(row);
    }
}

} // namespace
