// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/rtftextencoder.h"

namespace textpad::richtext {

namespace {

// Unicode of the bytes 0x80..0x9F in Windows-1252; 0 where the code page has no character.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int cp1252Byte(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    for (int i = 0; i < 32; ++i) {
        if (cp1252High[i] == c && c != 0)
            return 0x80 + i;
    }
    return -1;
}

void appendHexByte(QByteArray &out, int byte)
{
    static constexpr char digits[] = "0123456789abcdef";
    out.append("\\'");
    out.append(digits[byte >> 4]);
    out.append(digits[byte & 0xF]);
}

const char *symbolFor(char16_t c)
{
    switch (c) {
    case u'\\':
        return "\\\\";
    case u'{':
        return "\\{";
    case u'}':
        return "\\}";
    case u'\t':
        return "\\tab ";
    case 0x2028:
        return "\\line ";
    case 0x00A0:
        return "\\~";
    case 0x00AD:
        return "\\-";
    case 0x2011:
        return "\\_";
    default:
        return nullptr;
    }
}

QByteArray romanNumber(int number)
{
    static constexpr struct
    {
        int value;
        const char *text;
    } numerals[] = { { 1000, "m" }, { 900, "cm" }, { 500, "d" }, { 400, "cd" }, { 100, "c" },
                     { 90, "xc" },  { 50, "l" },   { 40, "xl" }, { 10, "x" },   { 9, "ix" },
                     { 5, "v" },    { 4, "iv" },   { 1, "i" } };
    QByteArray text;
    for (const auto &numeral : numerals) {
        for (; number >= numeral.value; number -= numeral.value)
            text.append(numeral.text);
    }
    return text;
}

QByteArray letterNumber(int number)
{
    QByteArray text;
    for (; number > 0; number = (number - 1) / 26)
        text.prepend(char('a' + (number - 1) % 26));
    return text;
}

} // namespace

void appendRtfText(QByteArray &out, QStringView text)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'{' && c != u'}') {
            out.append(char(c));
        } else if (const char *symbol = symbolFor(c)) {
            out.append(symbol);
        } else if (c < 0x20 || c == QChar::ObjectReplacementCharacter) {
            continue; // control characters and stray object marks carry no text
        } else if (const int byte = cp1252Byte(c); byte >= 0) {
            appendHexByte(out, byte);
        } else {
            out.append("\\u");
            out.append(QByteArray::number(int(qint16(c))));
            out.append('?');
        }
    }
}

QByteArray listNumberText(int number, NumberStyle style)
{
    switch (style) {
    case NumberStyle::UpperRoman:
        return romanNumber(number).toUpper() + '.';
    case NumberStyle::LowerRoman:
        return romanNumber(number) + '.';
    case NumberStyle::UpperAlpha:
        return letterNumber(number).toUpper() + '.';
    case NumberStyle::LowerAlpha:
        return letterNumber(number) + '.';
    case NumberStyle::Decimal:
        break;
    }
    return QByteArray::number(number) + '.';
}

} // namespace textpad::richtext
