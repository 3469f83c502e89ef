// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtftokenizer.h"

#include <algorithm>
#include <climits>

namespace textpad::richtext {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfTokenizer::RtfTokenizer(QByteArrayView data)
    : m_data(data)
{
}

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            token.type = RtfToken::Type::GroupStart;
            return token;
        case '}':
            ++m_pos;
            token.type = RtfToken::Type::GroupEnd;
            return token;
        case '\\':
            return readControl();
        case '\r':
        case '\n':
            // Line ends in RTF source are layout of the file, not text.
            ++m_pos;
            continue;
        default:
            return readText();
        }
    }
    return token;
}

RtfToken RtfTokenizer::readControl()
{
    ++m_pos; // the backslash
    RtfToken token;
    if (m_pos >= m_data.size())
        return token;
    const char c = m_data[m_pos];
    if (isLetter(c))
        return readControlWord();
    if (c == '\'')
        return readHexByte();
    ++m_pos;
    token.type = RtfToken::Type::ControlSymbol;
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::readControlWord()
{
    RtfToken token;
    token.type = RtfToken::Type::ControlWord;
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    token.data = m_data.sliced(start, m_pos - start);
    token.param = readParameter(&token.hasParam);
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the control word

    if (token.data == "bin" && token.hasParam && token.param != 0)
        readBinary(token);
    return token;
}

// A length that is negative or longer than what is left (as an overflowing one is) cannot be
// trusted: the run then ends where its group ends, so the paragraphs after the group are kept.
void RtfTokenizer::readBinary(RtfToken &token)
{
    qsizetype length = token.param;
    if (length < 0 || length > m_data.size() - m_pos) {
        const auto groupEnd = std::find(m_data.begin() + m_pos, m_data.end(), '}');
        length = groupEnd - (m_data.begin() + m_pos);
    }
    token.type = RtfToken::Type::Binary;
    token.data = m_data.sliced(m_pos, length);
    m_pos += length;
}

int RtfTokenizer::readParameter(bool *hasParam)
{
    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    *hasParam = m_pos < m_data.size() && isDigit(m_data[m_pos]);
    // Saturate instead of overflowing: out-of-range numbers are clamped and judged by the user.
    long long value = 0;
    while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        if (value <= INT_MAX)
            value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    if (negative)
        value = -value;
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

RtfToken RtfTokenizer::readHexByte()
{
    ++m_pos; // the quote
    RtfToken token;
    token.type = RtfToken::Type::HexByte;
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        if (m_pos >= m_data.size()) {
            value = -1;
            break;
        }
        const int digit = hexDigitValue(m_data[m_pos]);
        if (digit < 0 || value < 0)
            value = -1;
        else
            value = value * 16 + digit;
        ++m_pos;
    }
    token.byte = value;
    return token;
}

RtfToken RtfTokenizer::readText()
{
    RtfToken token;
    token.type = RtfToken::Type::Text;
    const qsizetype start = m_pos;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    token.data = m_data.sliced(start, m_pos - start);
    return token;
}

} // namespace textpad::richtext
