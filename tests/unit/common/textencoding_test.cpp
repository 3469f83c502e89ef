// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/textencoding.h"
#include "unit/qtprinters.h"

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
    const std::tuple<QByteArray, QString, TextEncoding, bool> rows[] = {
        { QByteArray(), u""_s, TextEncoding::Utf8, false },
        { "\xF0\x9F\x98\x80", u"\U0001F600"_s, TextEncoding::Utf8, false },
        { "\xEF\xBB\xBF\xEF\xBB\xBFx", u"\ufeffx"_s, TextEncoding::Utf8, true },
        { "\x93hi\x94", u"\u201chi\u201d"_s, TextEncoding::Windows1252, false },
        { "\xEF\xBB\xBF\xE9", u"\u00ef\u00bb\u00bf\u00e9"_s, TextEncoding::Windows1252, false },
        { "ok\xE2\x82", u"ok\u00e2\u201a"_s, TextEncoding::Windows1252, false },
    };
    for (const auto &[bytes, text, encoding, byteOrderMark] : rows) {
        const DecodedText decoded = decodeEightBitText(bytes);
        EXPECT_EQ(decoded.text, text);
        EXPECT_EQ(decoded.encoding, encoding) << testing::PrintToString(bytes);
        EXPECT_EQ(decoded.hadByteOrderMark, byteOrderMark) << testing::PrintToString(bytes);
    }
}

} // namespace
