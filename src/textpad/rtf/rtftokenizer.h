// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace textpad::richtext {

struct RtfToken
{
    enum class Type {
        GroupStart,
        GroupEnd,
        ControlWord,
        ControlSymbol,
        HexByte,
        Text,
        Binary,
        End
    };
    Type type = Type::End;
    QByteArrayView data; // control word name, text bytes or binary bytes
    int param = 0;
    bool hasParam = false;
    char symbol = 0;
    int byte = -1; // value of \'hh, -1 when the digits are not hex
};

// Splits RTF into tokens. Never reads past the end: a truncated escape or a \bin longer than
// the data left simply ends at the end of the input.
// The value of a hexadecimal digit, or -1 when `c` is none.
int hexDigitValue(char c);

class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView data);

    RtfToken next();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    RtfToken readControl();
    RtfToken readControlWord();
    RtfToken readHexByte();
    RtfToken readText();
    int readParameter(bool *hasParam);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace textpad::richtext
