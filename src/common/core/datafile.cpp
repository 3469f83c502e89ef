// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/datafile.h"

#include "common/core/textencoding.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace DataFile {

std::optional<QString> readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeEightBitLines(file.readAll());
}

bool replace(const QString &path, const QByteArray &contents, QString *errorString)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    // A write cut short by a full disk sets no error of its own, and a failed flush may report an
    // unknown one; the system's reason is in errno. The flush comes before commit(), which would
    // otherwise put a file whose buffered tail was never written in place of the old one.
    errno = 0;
    if (file.write(contents) == contents.size() && file.flush() && file.commit())
        return true;
    if (errorString)
        *errorString
            = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
    return false;
}

bool appendLine(const QString &path, const QString &line)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    QByteArray bytes = encode(line) + "\r\n";
    // A file whose last line has no break would join that line and this one.
    char last = '\n';
    if (file.size() > 0 && !(file.seek(file.size() - 1) && file.getChar(&last)))
        return false;
    if (last != '\n' && last != '\r')
        bytes.prepend("\r\n");
    return file.write(bytes) == bytes.size();
}

QByteArray encode(const QString &text)
{
    return text.toUtf8();
}

} // namespace DataFile
