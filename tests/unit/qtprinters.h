// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable failure output for Qt values in GoogleTest assertions (lists print their items with
// these); line ends and quotes are escaped so that they show up in fields.
inline void PrintTo(const QString &text, std::ostream *os)
{
    QString shown = text;
    shown.replace(u'"', "\\\"").replace(u'\r', "\\r").replace(u'\n', "\\n");
    *os << '"' << shown.toStdString() << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << "bytes(" << bytes.toHex(' ').toStdString() << ')';
}
