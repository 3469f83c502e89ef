// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The 8-bit text of data files and plain documents: UTF-8 where the bytes are valid UTF-8,
// otherwise Windows-1252, so files written on other systems still load.
enum class TextEncoding { Utf8, Windows1252 };

struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    bool hadByteOrderMark = false;
};

DecodedText decodeEightBitText(const QByteArray &bytes);
// The same rule line by line, for files that grow a line at a time and so may mix both: each line
// is UTF-8 where its bytes are valid UTF-8, else Windows-1252. A leading byte order mark is
// dropped.
QString decodeEightBitLines(const QByteArray &bytes);

QString decodeWindows1252(const QByteArray &bytes);
// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encodeWindows1252(QStringView text);
std::optional<char> unicodeToWindows1252(char16_t c);
