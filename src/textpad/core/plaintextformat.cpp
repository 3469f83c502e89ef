// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/plaintextformat.h"

#include "common/core/textencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace textpad {

namespace {

LineBreak firstLineBreak(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return LineBreak::Lf;
        if (text[i] == u'\r')
            return i + 1 < text.size() && text[i + 1] == u'\n' ? LineBreak::CrLf : LineBreak::Cr;
    }
    return LineBreak::CrLf;
}

// The break that starts at text[i], if one does.
std::optional<LineBreak> breakAt(QStringView text, qsizetype i)
{
    switch (text[i].unicode()) {
    case u'\r':
        return i + 1 < text.size() && text[i + 1] == u'\n' ? LineBreak::CrLf : LineBreak::Cr;
    case u'\n':
        return LineBreak::Lf;
    case 0x2028:
        return LineBreak::LineSeparator;
    case 0x2029:
        return LineBreak::ParagraphSeparator;
    case 0xFDD0:
        return LineBreak::FrameStart;
    case 0xFDD1:
        return LineBreak::FrameEnd;
    default:
        return std::nullopt;
    }
}

std::optional<LineBreak> finalLineBreak(QStringView text)
{
    if (text.endsWith(u"\r\n"))
        return LineBreak::CrLf;
    return text.isEmpty() ? std::nullopt : breakAt(text, text.size() - 1);
}

QString normaliseLineBreaks(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            *o++ = u'\n';
        } else {
            *o++ = c;
        }
    }
    out.truncate(o - out.constData());
    return out;
}

// Every break becomes '\n'; those that differ from the file's style are noted line by line.
QString splitLines(QStringView text, LineBreak style, std::vector<OwnLineBreak> *ownBreaks)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    qsizetype line = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<LineBreak> lineBreak = breakAt(text, i);
        if (!lineBreak) {
            *o++ = text[i];
            continue;
        }
        if (*lineBreak == LineBreak::CrLf)
            ++i;
        if (*lineBreak != style)
            ownBreaks->push_back({ line, *lineBreak });
        *o++ = u'\n';
        ++line;
    }
    out.truncate(o - out.constData());
    return out;
}

PlainTextFile fromDecoded(QStringView text, PlainEncoding encoding)
{
    PlainTextFile file;
    file.format.encoding = encoding;
    file.format.lineBreak = firstLineBreak(text);
    const std::optional<LineBreak> finalBreak = finalLineBreak(text);
    file.format.finalBreak = finalBreak.has_value();
    if (finalBreak) {
        text.chop(lineBreakText(*finalBreak).size());
        if (*finalBreak != file.format.lineBreak)
            file.format.finalLineBreak = finalBreak;
    }
    file.text = splitLines(text, file.format.lineBreak, &file.ownBreaks);
    return file;
}

QByteArray utf16(QStringView text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

QStringView lineBreakText(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf:
        break;
    case LineBreak::Lf:
        return u"\n";
    case LineBreak::Cr:
        return u"\r";
    case LineBreak::LineSeparator:
        return u"\u2028";
    case LineBreak::ParagraphSeparator:
        return u"\u2029";
    case LineBreak::FrameStart:
        return u"\uFDD0";
    case LineBreak::FrameEnd:
        return u"\uFDD1";
    }
    return u"\r\n";
}

QString toDocumentLineBreaks(QStringView text)
{
    return normaliseLineBreaks(text);
}

QString toLineBreaks(QStringView text, QStringView lineBreak)
{
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLineBreak(text[i])) {
            out.append(text.mid(start, i - start)).append(lineBreak);
            start = i + 1;
        }
    }
    out.append(text.mid(start));
    return out;
}

PlainTextFile decodePlainText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        const auto encoding = little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        const QString text = QStringDecoder(encoding).decode(QByteArrayView(bytes).sliced(2));
        // An odd length or a lone surrogate would not come back: such bytes are no UTF-16.
        if (utf16(text, encoding) == bytes)
            return fromDecoded(text, little ? PlainEncoding::Utf16LE : PlainEncoding::Utf16BE);
    }
    DecodedText decoded = decodeEightBitText(bytes);
    const PlainEncoding encoding = decoded.encoding == TextEncoding::Windows1252
        ? PlainEncoding::Windows1252
        : decoded.hadByteOrderMark ? PlainEncoding::Utf8WithBom
                                   : PlainEncoding::Utf8;
    return fromDecoded(std::move(decoded.text), encoding);
}

EncodedPlainText encodePlainText(QStringView text, PlainEncoding encoding)
{
    switch (encoding) {
    case PlainEncoding::Windows1252:
        if (auto bytes = encodeWindows1252(text))
            return { *bytes, PlainEncoding::Windows1252 };
        return { text.toUtf8(), PlainEncoding::Utf8 };
    case PlainEncoding::Utf8WithBom:
        return { QByteArray("\xEF\xBB\xBF") + text.toUtf8(), PlainEncoding::Utf8WithBom };
    case PlainEncoding::Utf16LE:
        return { utf16(text, QStringConverter::Utf16LE), PlainEncoding::Utf16LE };
    case PlainEncoding::Utf16BE:
        return { utf16(text, QStringConverter::Utf16BE), PlainEncoding::Utf16BE };
    case PlainEncoding::Utf8:
        break;
    }
    return { text.toUtf8(), PlainEncoding::Utf8 };
}

PlainTextStats &PlainTextStats::operator+=(const PlainTextStats &o)
{
    characters += o.characters;
    breaks += o.breaks;
    ownBreaks += o.ownBreaks;
    utf8Extra += o.utf8Extra;
    outsideWindows1252 += o.outsideWindows1252;
    return *this;
}

PlainTextStats &PlainTextStats::operator-=(const PlainTextStats &o)
{
    characters -= o.characters;
    breaks -= o.breaks;
    ownBreaks -= o.ownBreaks;
    utf8Extra -= o.utf8Extra;
    outsideWindows1252 -= o.outsideWindows1252;
    return *this;
}

PlainTextStats measurePlainText(QStringView text)
{
    PlainTextStats stats;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            if (u == u'\n')
                ++stats.breaks;
            else
                ++stats.characters;
            continue;
        }
        if (isLineBreak(c)) {
            ++stats.breaks;
            continue;
        }
        ++stats.characters;
        // A surrogate pair is four UTF-8 bytes: two for each half.
        stats.utf8Extra += u < 0x800 || c.isSurrogate() ? 1 : 2;
        if ((u < 0xA0 || u > 0xFF) && !encodeWindows1252(QStringView(&c, 1)))
            ++stats.outsideWindows1252;
    }
    return stats;
}

PlainTextStats measureOwnBreak(LineBreak lineBreak)
{
    PlainTextStats stats;
    stats.ownBreaks = 1;
    stats.characters = lineBreakText(lineBreak).size();
    if (lineBreak != LineBreak::CrLf && lineBreak != LineBreak::Lf && lineBreak != LineBreak::Cr) {
        stats.utf8Extra = 2; // three bytes in UTF-8
        stats.outsideWindows1252 = 1;
    }
    return stats;
}

qint64 plainTextSize(const PlainTextStats &stats, const PlainTextFormat &format)
{
    PlainTextStats all = stats;
    if (format.finalBreak)
        all += measureOwnBreak(format.endOfFileBreak());
    const qint64 breakUnits = all.breaks * lineBreakText(format.lineBreak).size();
    switch (format.encoding) {
    case PlainEncoding::Windows1252:
        if (all.outsideWindows1252 == 0)
            return all.characters + breakUnits;
        break;
    case PlainEncoding::Utf8WithBom:
        return 3 + all.characters + all.utf8Extra + breakUnits;
    case PlainEncoding::Utf16LE:
    case PlainEncoding::Utf16BE:
        return 2 + 2 * (all.characters + breakUnits);
    case PlainEncoding::Utf8:
        break;
    }
    return all.characters + all.utf8Extra + breakUnits;
}

} // namespace textpad
