// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/textencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {

constexpr char windows1252[] = "windows-1252";

// The characters of bytes 0x80 to 0x9F, asked of Qt's converter once: the one range where
// Windows-1252 differs from Latin-1. The bytes it leaves undefined come back as the C1 control
// of the same value.
const std::array<char16_t, 32> &highRange()
{
    static const std::array<char16_t, 32> table = [] {
        QByteArray bytes;
        for (int byte = 0x80; byte <= 0x9F; ++byte)
            bytes.append(char(byte));
        const QString text = QStringDecoder(windows1252).decode(bytes);
        std::array<char16_t, 32> characters {};
        for (std::size_t i = 0; i < characters.size(); ++i)
            characters[i] = text.at(qsizetype(i)).unicode();
        return characters;
    }();
    return table;
}

} // namespace

std::optional<char> unicodeToWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    const auto &high = highRange();
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    return QStringDecoder(windows1252).decode(bytes);
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QStringEncoder encoder(windows1252, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

DecodedText decodeEightBitText(const QByteArray &bytes)
{
    DecodedText decoded;
    QByteArrayView body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) {
        decoded.hadByteOrderMark = true;
        body = body.sliced(3);
    }
    // The mark is already taken off; a second one is part of the text and must be kept.
    QStringDecoder utf8(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        decoded.text = std::move(text);
        return decoded;
    }
    decoded.text = decodeWindows1252(bytes);
    decoded.encoding = TextEncoding::Windows1252;
    decoded.hadByteOrderMark = false;
    return decoded;
}

QString decodeEightBitLines(const QByteArray &bytes)
{
    QByteArrayView rest = bytes;
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    // Most files are UTF-8 throughout: one pass decodes them, twice as fast as line by line.
    QString text = utf8.decode(rest);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(rest.size());
    QStringDecoder legacy(windows1252);
    while (!rest.isEmpty()) {
        // Line breaks are the same byte in both encodings and never part of a UTF-8 sequence.
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
            ++end;
        end = std::min(end + 1, rest.size());
        const QByteArrayView line = rest.first(end);
        utf8.resetState();
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? legacy.decode(line) : decoded;
        rest = rest.sliced(end);
    }
    return text;
}
