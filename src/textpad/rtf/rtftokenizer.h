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

// The value of a hexadecimal digit, or -1 when `c` is none.
int hexDigitValue(char c);

// Splits RTF into tokens. Never reads past the end: a truncated escape simply ends at the end of
// the input, and a \bin with a length it cannot have ends at the end of its group.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView data);

    RtfToken next();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    RtfToken readControl();
    RtfToken readControlWord();
    void readBinary(RtfToken &token);
    RtfToken readHexByte();
    RtfToken readText();
    int readParameter(bool *hasParam);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace textpad::richtext
