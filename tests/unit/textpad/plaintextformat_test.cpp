// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/plaintextformat.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

using namespace textpad;

namespace {

constexpr auto Lf = LineBreak::Lf;
constexpr auto CrLf = LineBreak::CrLf;

// The text as the document holds it, and the format a save writes it back in.
TEST(PlainTextFormat, DecodesTextAndFormat)
{
    const std::tuple<QByteArray, QString, PlainEncoding, LineBreak, bool> rows[] = {
        { "one\ntwo\n", "one\ntwo", PlainEncoding::Utf8, Lf, true },
        { "one\rtwo\r", "one\ntwo", PlainEncoding::Utf8, LineBreak::Cr, true },
        { "one\ntwo", "one\ntwo", PlainEncoding::Utf8, Lf, false },
        { "one\n\n", "one\n", PlainEncoding::Utf8, Lf, true },
        { "\xEF\xBB\xBFna\xC3\xAFve\r\n", "na\u00EFve", PlainEncoding::Utf8WithBom, CrLf, true },
        { "caf\xE9 \x80 \x93q\x94\r\n", "caf\u00E9 \u20AC \u201Cq\u201D",
            PlainEncoding::Windows1252, CrLf, true },
        { QByteArray("\xFF\xFEh\0i\0\n\0", 8), "hi", PlainEncoding::Utf16LE, Lf, true },
        { QByteArray("\xFE\xFF\0h\0i\0\r\0\n", 10), "hi", PlainEncoding::Utf16BE, CrLf, true },
    };
    for (const auto &[bytes, text, encoding, lineBreak, finalBreak] : rows) {
        const PlainTextFile file = decodePlainText(bytes);
        EXPECT_EQ(file.text, text);
        EXPECT_EQ(file.format.encoding, encoding) << testing::PrintToString(bytes);
        EXPECT_EQ(file.format.lineBreak, lineBreak) << testing::PrintToString(bytes);
        EXPECT_EQ(file.format.finalBreak, finalBreak) << testing::PrintToString(bytes);
    }
}

TEST(PlainTextFormat, TheFirstBreakNamesTheStyleAndEveryOtherBreakIsKeptWithItsLine)
{
    const PlainTextFile file = decodePlainText("a\nb\r\nc\rd\xE2\x80\xA8"
                                               "e\xEF\xB7\x90"
                                               "f\r\n");
    EXPECT_EQ(file.text, QStringLiteral("a\nb\nc\nd\ne\nf"));
    EXPECT_EQ(file.format.lineBreak, Lf);
    const std::vector<OwnLineBreak> own = { { 1, CrLf }, { 2, LineBreak::Cr },
        { 3, LineBreak::LineSeparator }, { 4, LineBreak::FrameStart } };
    EXPECT_EQ(file.ownBreaks, own);
    EXPECT_EQ(file.format.finalLineBreak, CrLf);
}

TEST(PlainTextFormat, Windows1252FallsBackToUtf8WhenACharacterDoesNotFit)
{
    const PlainTextFormat legacy { PlainEncoding::Windows1252, CrLf, true, std::nullopt };
    const EncodedPlainText saved = encodePlainText(u"caf\u00E9 \u0416\r\n", legacy.encoding);
    EXPECT_EQ(saved.encoding, PlainEncoding::Utf8);
    EXPECT_EQ(saved.bytes, QByteArray("caf\xC3\xA9 \xD0\x96\r\n"));
    EXPECT_EQ(plainTextSize(measurePlainText(u"caf\u00E9 \u0416"), legacy), saved.bytes.size());
}

} // namespace
