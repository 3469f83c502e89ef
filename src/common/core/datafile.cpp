// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/datafile.h"

#include "common/core/textencoding.h"

#include <QFile>
#include <QSaveFile>

namespace DataFile {

std::optional<QString> readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeEightBitText(file.readAll()).text;
}

bool replace(const QString &path, const QByteArray &contents, QString *errorString)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size()
        && file.commit();
    if (!written && errorString)
        *errorString = file.errorString();
    return written;
}

bool appendLine(const QString &path, const QString &line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = encode(line) + "\r\n";
    return file.write(bytes) == bytes.size();
}

QByteArray encode(const QString &text)
{
    return text.toUtf8();
}

} // namespace DataFile
