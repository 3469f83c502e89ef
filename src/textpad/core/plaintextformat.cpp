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

qsizetype finalBreakLength(QStringView text)
{
    if (text.endsWith(u"\r\n"))
        return 2;
    if (text.endsWith(u'\n') || text.endsWith(u'\r'))
        return 1;
    return 0;
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

PlainTextFile fromDecoded(QString text, PlainEncoding encoding)
{
    PlainTextFile file;
    file.format.encoding = encoding;
    file.format.lineBreak = firstLineBreak(text);
    const qsizetype finalLength = finalBreakLength(text);
    file.format.finalBreak = finalLength > 0;
    text.chop(finalLength);
    file.text = normaliseLineBreaks(text);
    return file;
}

QString replaceLineBreaks(QStringView text, QStringView lineBreak)
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

QString withLineBreaks(QStringView text, const PlainTextFormat &format)
{
    const QStringView lineBreak = format.lineBreak == LineBreak::CrLf ? QStringView(u"\r\n")
        : format.lineBreak == LineBreak::Lf                           ? QStringView(u"\n")
                                                                      : QStringView(u"\r");
    QString out = replaceLineBreaks(text, lineBreak);
    if (format.finalBreak)
        out.append(lineBreak);
    return out;
}

QByteArray utf16(QStringView text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

QString toDocumentLineBreaks(QStringView text)
{
    return normaliseLineBreaks(text);
}

QString toCrLfLineBreaks(QStringView text)
{
    return replaceLineBreaks(text, u"\r\n");
}

PlainTextFile decodePlainText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return fromDecoded(decoder.decode(QByteArrayView(bytes).sliced(2)),
            little ? PlainEncoding::Utf16LE : PlainEncoding::Utf16BE);
    }
    DecodedText decoded = decodeEightBitText(bytes);
    const PlainEncoding encoding = decoded.encoding == TextEncoding::Windows1252
        ? PlainEncoding::Windows1252
        : decoded.hadByteOrderMark ? PlainEncoding::Utf8WithBom
                                   : PlainEncoding::Utf8;
    return fromDecoded(std::move(decoded.text), encoding);
}

EncodedPlainText encodePlainText(QStringView text, const PlainTextFormat &format)
{
    const QString lines = withLineBreaks(text, format);
    switch (format.encoding) {
    case PlainEncoding::Windows1252:
        if (auto bytes = encodeWindows1252(lines))
            return { *bytes, PlainEncoding::Windows1252 };
        return { lines.toUtf8(), PlainEncoding::Utf8 };
    case PlainEncoding::Utf8WithBom:
        return { QByteArray("\xEF\xBB\xBF") + lines.toUtf8(), PlainEncoding::Utf8WithBom };
    case PlainEncoding::Utf16LE:
        return { utf16(lines, QStringConverter::Utf16LE), PlainEncoding::Utf16LE };
    case PlainEncoding::Utf16BE:
        return { utf16(lines, QStringConverter::Utf16BE), PlainEncoding::Utf16BE };
    case PlainEncoding::Utf8:
        break;
    }
    return { lines.toUtf8(), PlainEncoding::Utf8 };
}

PlainTextStats &PlainTextStats::operator+=(const PlainTextStats &o)
{
    characters += o.characters;
    breaks += o.breaks;
    utf8Extra += o.utf8Extra;
    outsideWindows1252 += o.outsideWindows1252;
    return *this;
}

PlainTextStats &PlainTextStats::operator-=(const PlainTextStats &o)
{
    characters -= o.characters;
    breaks -= o.breaks;
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

qint64 plainTextSize(const PlainTextStats &stats, const PlainTextFormat &format)
{
    const qint64 breakLength = format.lineBreak == LineBreak::CrLf ? 2 : 1;
    const qint64 breakUnits = (stats.breaks + (format.finalBreak ? 1 : 0)) * breakLength;
    switch (format.encoding) {
    case PlainEncoding::Windows1252:
        if (stats.outsideWindows1252 == 0)
            return stats.characters + breakUnits;
        break;
    case PlainEncoding::Utf8WithBom:
        return 3 + stats.characters + stats.utf8Extra + breakUnits;
    case PlainEncoding::Utf16LE:
    case PlainEncoding::Utf16BE:
        return 2 + 2 * (stats.characters + breakUnits);
    case PlainEncoding::Utf8:
        break;
    }
    return stats.characters + stats.utf8Extra + breakUnits;
}

} // namespace textpad
