// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace textpad {

// How a plain text file was stored, kept so that saving it unchanged gives back the same bytes.
// Besides CR LF, LF and CR, a document line also ends at U+2028, U+2029, U+FDD0 and U+FDD1 (a
// document takes them as line, paragraph and frame marks), so a file's own are kept as breaks
// that save back as the characters they are.
enum class LineBreak { CrLf, Lf, Cr, LineSeparator, ParagraphSeparator, FrameStart, FrameEnd };
enum class PlainEncoding { Utf8, Utf8WithBom, Windows1252, Utf16LE, Utf16BE };

QStringView lineBreakText(LineBreak lineBreak);

struct PlainTextFormat
{
    PlainEncoding encoding = PlainEncoding::Utf8;
    LineBreak lineBreak = LineBreak::CrLf; // of new lines and of lines without one of their own
    // The line break that ends the file. Reading takes it off the text and saving puts it back,
    // so open-save cycles never add blank lines. New documents get one, as saves always did.
    bool finalBreak = true;
    std::optional<LineBreak> finalLineBreak; // when it differs from lineBreak

    LineBreak endOfFileBreak() const { return finalLineBreak.value_or(lineBreak); }
    bool operator==(const PlainTextFormat &other) const
    {
        return encoding == other.encoding && lineBreak == other.lineBreak
            && finalBreak == other.finalBreak && finalLineBreak == other.finalLineBreak;
    }
};

// A break between two lines that differs from the file's style; `line` counts from 0.
struct OwnLineBreak
{
    qsizetype line;
    LineBreak lineBreak;

    bool operator==(const OwnLineBreak &o) const
    {
        return line == o.line && lineBreak == o.lineBreak;
    }
};

struct PlainTextFile
{
    QString text; // line breaks as '\n', without the final one
    PlainTextFormat format;
    std::vector<OwnLineBreak> ownBreaks; // in line order
};

// UTF-8 with or without byte order mark, UTF-16 with byte order mark, otherwise Windows-1252
// (every byte string reads back as itself). The first CR LF, LF or CR names the style.
PlainTextFile decodePlainText(const QByteArray &bytes);

struct EncodedPlainText
{
    QByteArray bytes;
    PlainEncoding encoding; // Windows-1252 falls back to UTF-8 when a character does not fit
};

// `text` holds its line breaks as they are to be written.
EncodedPlainText encodePlainText(QStringView text, PlainEncoding encoding);

// The characters a document reports as line breaks.
inline bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == 0x2029 || u == 0x2028 || u == 0xFDD0 || u == 0xFDD1;
}

// Every CR LF, CR or LF becomes '\n', the break the document takes in.
QString toDocumentLineBreaks(QStringView text);

// Every break the document reports becomes `lineBreak`.
QString toLineBreaks(QStringView text, QStringView lineBreak);
inline QString toCrLfLineBreaks(QStringView text)
{
    return toLineBreaks(text, u"\r\n");
}

// What the size of a plain text save depends on, additive over pieces of text.
struct PlainTextStats
{
    qint64 characters = 0; // line breaks in the file's style excluded
    qint64 breaks = 0; // in the file's style
    qint64 ownBreaks = 0; // lines with a break of their own, counted among the characters
    qint64 utf8Extra = 0; // bytes beyond one per character in UTF-8
    qint64 outsideWindows1252 = 0;

    PlainTextStats &operator+=(const PlainTextStats &o);
    PlainTextStats &operator-=(const PlainTextStats &o);
};

PlainTextStats measurePlainText(QStringView text);
// A line's own break, counted as characters.
PlainTextStats measureOwnBreak(LineBreak lineBreak);

// The number of bytes encodePlainText would write for text with these stats.
qint64 plainTextSize(const PlainTextStats &stats, const PlainTextFormat &format);

} // namespace textpad
