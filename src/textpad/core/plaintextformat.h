// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace textpad {

// How a plain text file was stored, kept so that saving it unchanged gives back the same bytes.
enum class LineBreak { CrLf, Lf, Cr };
enum class PlainEncoding { Utf8, Utf8WithBom, Windows1252, Utf16LE, Utf16BE };

struct PlainTextFormat
{
    PlainEncoding encoding = PlainEncoding::Utf8;
    LineBreak lineBreak = LineBreak::CrLf;
    // The line break that ends the file. Reading takes it off the text and saving puts it back,
    // so open-save cycles never add blank lines. New documents get one, as saves always did.
    bool finalBreak = true;

    bool operator==(const PlainTextFormat &other) const
    {
        return encoding == other.encoding && lineBreak == other.lineBreak
            && finalBreak == other.finalBreak;
    }
};

struct PlainTextFile
{
    QString text; // line breaks as '\n', without the final one
    PlainTextFormat format;
};

// UTF-8 with or without byte order mark, UTF-16 with byte order mark, otherwise Windows-1252;
// CR LF, LF or CR line breaks (the first break found names the style).
PlainTextFile decodePlainText(const QByteArray &bytes);

struct EncodedPlainText
{
    QByteArray bytes;
    PlainEncoding encoding; // Windows-1252 falls back to UTF-8 when a character does not fit
};

// `text` breaks lines at '\n' or at the document separators (paragraph, line, frame).
EncodedPlainText encodePlainText(QStringView text, const PlainTextFormat &format);

// The characters a document reports as line breaks.
inline bool isLineBreak(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == 0x2029 || u == 0x2028 || u == 0xFDD0 || u == 0xFDD1;
}

// Every CR LF, CR or LF becomes '\n', the break the document takes in.
QString toDocumentLineBreaks(QStringView text);

// Every break the document reports becomes CR LF.
QString toCrLfLineBreaks(QStringView text);

// What the size of a plain text save depends on, additive over pieces of text.
struct PlainTextStats
{
    qint64 characters = 0; // line breaks excluded
    qint64 breaks = 0;
    qint64 utf8Extra = 0; // bytes beyond one per character in UTF-8
    qint64 outsideWindows1252 = 0;

    PlainTextStats &operator+=(const PlainTextStats &o);
    PlainTextStats &operator-=(const PlainTextStats &o);
};

PlainTextStats measurePlainText(QStringView text);

// The number of bytes encodePlainText would write for text with these stats.
qint64 plainTextSize(const PlainTextStats &stats, const PlainTextFormat &format);

} // namespace textpad
