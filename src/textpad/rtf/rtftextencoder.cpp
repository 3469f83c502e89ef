// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtftextencoder.h"

#include "common/core/textencoding.h"

namespace textpad::richtext {

namespace {

// The Windows-1252 byte of a character from U+00A0 on; -1 when it has none. Below U+00A0 the
// writer keeps printable ASCII as it is and never writes a C1 control as a byte.
int cp1252Byte(char16_t c)
{
    if (c < 0xA0)
        return -1;
    const std::optional<char> byte = unicodeToWindows1252(c);
    return byte ? int(uchar(*byte)) : -1;
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
        { 90, "xc" }, { 50, "l" }, { 40, "xl" }, { 10, "x" }, { 9, "ix" }, { 5, "v" }, { 4, "iv" },
        { 1, "i" } };
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
