// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/datafile.h"

#include "common/core/textencoding.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace DataFile {

namespace {

// True as well for an empty, missing or unreadable file: nothing to join then, or nothing known.
bool endsInLineBreak(const QString &path)
{
    QFile file(path);
    char last = '\n';
    if (file.open(QIODevice::ReadOnly) && file.size() > 0 && file.seek(file.size() - 1))
        file.getChar(&last);
    return last == '\n' || last == '\r';
}

} // namespace

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
    QByteArray bytes = encode(line) + "\r\n";
    // A file whose last line has no break would join that line and this one.
    if (!endsInLineBreak(path))
        bytes.prepend("\r\n");
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(bytes) == bytes.size();
}

QByteArray encode(const QString &text)
{
    return text.toUtf8();
}

} // namespace DataFile
