// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure output for Qt values in GoogleTest assertions; control characters are escaped so
// that line ends and quotes in fields show up.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"';
    for (const QChar c : text) {
        if (c == u'\r')
            *os << "\\r";
        else if (c == u'\n')
            *os << "\\n";
        else if (c == u'"')
            *os << "\\\"";
        else if (c.unicode() < 0x20 || c.unicode() >= 0x7F)
            *os << "\\u" << std::hex << c.unicode() << std::dec;
        else
            *os << char(c.unicode());
    }
    *os << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0)
            *os << ", ";
        PrintTo(list[i], os);
    }
    *os << '}';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << "bytes(" << bytes.toHex(' ').toStdString() << ')';
}
