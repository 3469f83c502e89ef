// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/textencoding.h"

#include <QStringDecoder>
#include <array>

namespace {
// Bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined map to the C1 control of the
// same value.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

char16_t windows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte;
}

} // namespace

std::optional<char> unicodeToWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(windows1252ToUnicode(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const auto byte = unicodeToWindows1252(c.unicode());
        if (!byte)
            return std::nullopt;
        *out++ = *byte;
    }
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
