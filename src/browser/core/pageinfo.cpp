// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pageinfo.h"

#include <QLocale>
#include <QUrl>

namespace PageInfo {

namespace {

struct Name
{
    const char *key;
    const char *name;
};

constexpr Name protocols[] = {
    { "http", "HyperText Transfer Protocol (HTTP)" },
    { "https", "HyperText Transfer Protocol with Privacy (HTTPS)" },
    { "file", "File Protocol" },
    { "ftp", "File Transfer Protocol (FTP)" },
    { "about", "About Protocol" },
    { "data", "Data Protocol" },
};

constexpr Name types[] = {
    { "text/html", "HTML Document" },
    { "application/xhtml+xml", "XHTML Document" },
    { "text/plain", "Text Document" },
    { "image/svg+xml", "SVG Document" },
    { "application/xml", "XML Document" },
    { "text/xml", "XML Document" },
};

template <size_t N> const char *lookUp(const Name (&table)[N], const QString &key)
{
    for (const Name &entry : table) {
        if (key == QLatin1String(entry.key))
            return entry.name;
    }
    return nullptr;
}

QString orNotAvailable(const QString &text)
{
    return text.trimmed().isEmpty() ? notAvailable : text;
}

} // namespace

QString protocolName(const QString &url)
{
    const QString scheme = QUrl(url).scheme().toLower();
    if (scheme.isEmpty())
        return notAvailable;
    if (const char *name = lookUp(protocols, scheme))
        return QString::fromLatin1(name);
    return scheme.toUpper() + QStringLiteral(" Protocol");
}

QString typeName(const QString &contentType)
{
    const QString type = contentType.section(u';', 0, 0).trimmed().toLower();
    if (type.isEmpty())
        return notAvailable;
    if (const char *name = lookUp(types, type))
        return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(name), type);
    return type;
}

QString sizeText(qint64 size)
{
    if (size < 0)
        return notAvailable;
    // Digits grouped by threes with commas, whatever the system's locale, like the rest of the
    // program's fixed texts.
    const QString digits = QLocale(QLocale::English, QLocale::UnitedStates).toString(size);
    return digits + (size == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
}

QList<Line> lines(const Facts &facts)
{
    return {
        { QStringLiteral("Title"), orNotAvailable(facts.title) },
        { QStringLiteral("Address"), orNotAvailable(facts.url) },
        { QStringLiteral("Protocol"), protocolName(facts.url) },
        { QStringLiteral("Type"), typeName(facts.contentType) },
        { QStringLiteral("Size"), sizeText(facts.size) },
        { QStringLiteral("Modified"), orNotAvailable(facts.lastModified) },
    };
}

} // namespace PageInfo
