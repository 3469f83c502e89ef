// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file reads and writes of the program's data files. Files are opened and closed within one
// call, so nothing is held open between user actions.
namespace DataFile {

// The file's text, each line decoded on its own (see decodeEightBitLines), or nothing when it is
// missing or unreadable.
std::optional<QString> readText(const QString &path);

// Replaces the file through a temporary file in the same directory and a rename, so a crash or a
// full disk never leaves it truncated. False when it could not be written; the old file then stays,
// and `errorString`, when given, receives the system's reason.
bool replace(const QString &path, const QByteArray &contents, QString *errorString = nullptr);

// Appends one line (UTF-8, then CR LF) in a single write, creating the file if missing. When the
// file does not end in a line break, the write starts with one.
bool appendLine(const QString &path, const QString &line);

// Text as the data files store it: UTF-8.
QByteArray encode(const QString &text);

} // namespace DataFile
