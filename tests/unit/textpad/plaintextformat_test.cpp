// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/plaintextformat.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace textpad;

namespace {

constexpr auto Lf = LineBreak::Lf;
constexpr auto CrLf = LineBreak::CrLf;

// The text as the document holds it, and the format a save writes it back in.
TEST(PlainTextFormat, DecodesTextAndFormat)
{
    const QHash<QString, PlainEncoding> encodings { { "utf8", PlainEncoding::Utf8 },
        { "utf8 bom", PlainEncoding::Utf8WithBom }, { "windows-1252", PlainEncoding::Windows1252 },
        { "utf16le", PlainEncoding::Utf16LE }, { "utf16be", PlainEncoding::Utf16BE } };
    const QHash<QString, LineBreak> breaks { { "lf", Lf }, { "cr", LineBreak::Cr },
        { "crlf", CrLf } };
    for (const QJsonValue row : tableRows("textencoding", "plain text")) {
        const PlainTextFile file = decodePlainText(bytes(row[0]));
        EXPECT_EQ(file.text, row[1].toString()) << shown(row);
        EXPECT_EQ(file.format.encoding, encodings.value(row[2].toString())) << shown(row);
        EXPECT_EQ(file.format.lineBreak, breaks.value(row[3].toString())) << shown(row);
        EXPECT_EQ(file.format.finalBreak, row[4].toBool()) << shown(row);
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
