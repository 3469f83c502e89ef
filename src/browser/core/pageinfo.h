// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The lines of a page's Properties dialog, from what the page tells about itself.
namespace PageInfo {

inline const QString notAvailable = QStringLiteral("Not available");

struct Facts
{
    QString title;
    QString url;
    QString contentType;
    QString lastModified;
    qint64 size = -1; // bytes; negative when unknown
};

struct Line
{
    QString label;
    QString value;
};

// Title, Address, Protocol, Type, Size and Modified, in that order; unknown values read
// "Not available".
QList<Line> lines(const Facts &facts);

// "HyperText Transfer Protocol (HTTP)" for "http://...", and so on; unknown schemes by name.
QString protocolName(const QString &url);
// "HTML Document (text/html)" for the common types, otherwise the type itself.
QString typeName(const QString &contentType);
// "1,234 bytes"; "1 byte".
QString sizeText(qint64 size);

} // namespace PageInfo
