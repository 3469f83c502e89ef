// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/plaintextformat.h"

#include <gtest/gtest.h>

using namespace textpad;

namespace {

struct FileRow
{
    const char *name;
    QByteArray bytes;
    QString text; // as the document holds it
    PlainTextFormat format;
};

PlainTextFormat format(PlainEncoding encoding, LineBreak lineBreak, bool finalBreak)
{
    return { encoding, lineBreak, finalBreak, std::nullopt };
}

class PlainTextFileTest : public testing::TestWithParam<FileRow>
{
};

TEST_P(PlainTextFileTest, decodesTextAndFormat)
{
    const FileRow &row = GetParam();
    const PlainTextFile file = decodePlainText(row.bytes);
    EXPECT_EQ(file.text.toStdString(), row.text.toStdString());
    EXPECT_EQ(file.format.encoding, row.format.encoding);
    EXPECT_EQ(file.format.lineBreak, row.format.lineBreak);
    EXPECT_EQ(file.format.finalBreak, row.format.finalBreak);
}

TEST_P(PlainTextFileTest, predictedSizeMatchesTheSavedBytes)
{
    const PlainTextFile file = decodePlainText(GetParam().bytes);
    EXPECT_EQ(plainTextSize(measurePlainText(file.text), file.format), GetParam().bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Files, PlainTextFileTest,
    testing::Values(FileRow { "lf", "one\ntwo\n", "one\ntwo",
                        format(PlainEncoding::Utf8, LineBreak::Lf, true) },
        FileRow {
            "cr", "one\rtwo\r", "one\ntwo", format(PlainEncoding::Utf8, LineBreak::Cr, true) },
        FileRow { "noFinalBreak", "one\ntwo", "one\ntwo",
            format(PlainEncoding::Utf8, LineBreak::Lf, false) },
        FileRow {
            "blankLastLine", "one\n\n", "one\n", format(PlainEncoding::Utf8, LineBreak::Lf, true) },
        FileRow { "utf8Bom", "\xEF\xBB\xBFna\xC3\xAFve\r\n", QStringLiteral("na\u00EFve"),
            format(PlainEncoding::Utf8WithBom, LineBreak::CrLf, true) },
        FileRow { "windows1252", "caf\xE9 \x80 \x93quoted\x94\r\n",
            QStringLiteral("caf\u00E9 \u20AC \u201Cquoted\u201D"),
            format(PlainEncoding::Windows1252, LineBreak::CrLf, true) },
        FileRow { "utf16le", QByteArray("\xFF\xFEh\0i\0\n\0", 8), "hi",
            format(PlainEncoding::Utf16LE, LineBreak::Lf, true) },
        FileRow { "utf16be", QByteArray("\xFE\xFF\0h\0i\0\r\0\n", 10), "hi",
            format(PlainEncoding::Utf16BE, LineBreak::CrLf, true) }),
    [](const testing::TestParamInfo<FileRow> &info) { return std::string(info.param.name); });

TEST(PlainTextFormatTest, theFirstBreakNamesTheStyleAndEveryOtherBreakIsKeptWithItsLine)
{
    const PlainTextFile file = decodePlainText("a\nb\r\nc\rd\xE2\x80\xA8"
                                               "e\xEF\xB7\x90"
                                               "f\r\n");
    EXPECT_EQ(file.text, QStringLiteral("a\nb\nc\nd\ne\nf"));
    EXPECT_EQ(file.format.lineBreak, LineBreak::Lf);
    const std::vector<OwnLineBreak> own = { { 1, LineBreak::CrLf }, { 2, LineBreak::Cr },
        { 3, LineBreak::LineSeparator }, { 4, LineBreak::FrameStart } };
    EXPECT_EQ(file.ownBreaks, own);
    EXPECT_EQ(file.format.finalLineBreak, LineBreak::CrLf);
}

TEST(PlainTextFormatTest, windows1252FallsBackToUtf8WhenACharacterDoesNotFit)
{
    const PlainTextFormat legacy = format(PlainEncoding::Windows1252, LineBreak::CrLf, true);
    const EncodedPlainText saved = encodePlainText(u"caf\u00E9 \u0416\r\n", legacy.encoding);
    EXPECT_EQ(saved.encoding, PlainEncoding::Utf8);
    EXPECT_EQ(saved.bytes, QByteArray("caf\xC3\xA9 \xD0\x96\r\n"));
    EXPECT_EQ(plainTextSize(measurePlainText(u"caf\u00E9 \u0416"), legacy), saved.bytes.size());
}

} // namespace
