// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileInfo;
#include <optional>

class QDateTime;
class QLocale;
class QTextDocument;

namespace textpad {

enum class PadTitle { Plain, Loading, Saving, File };

// The pad's caption; `fileTitle` is only used for PadTitle::File.
QString padTitle(PadTitle title, const QString &fileTitle = {});

// The name of the file without its directory, as the file dialog reports it.
QString fileTitle(const QString &path);

// A file whose name ends in ".rtf", in any case, is saved as rich text; any other as plain text.
// (Upper-case names come from other systems; ".rtf" inside a name or a folder's name says
// nothing about the file.)
bool savesAsRichText(const QString &path);

// The first status panel: whether the document has unsaved changes and what a plain save would
// write.
QString monitorLine(bool saved, qint64 plainSize);

// The short date, a space and the long time of `locale`, without the time zone name.
QString dateTimeText(const QDateTime &when, const QLocale &locale);

// Whether the document holds anything a plain text save would lose: character or paragraph
// formats, lists or pictures.
bool hasFormatting(const QTextDocument &document);

// The name Save As proposes for a document that has none.
QString untitledName(bool hasFormatting);

// Files larger than this are refused: the editor could not hold their text.
constexpr qint64 largestOpenableFile = qint64(1) << 30;

// What a path names: a file on disk (or nothing yet), a folder, or something else (a device, a
// pipe), which is never read: it may not end, or not open.
enum class PathKind { File, Folder, Other };
PathKind pathKind(const QFileInfo &path);

// Why a dropped file cannot be opened, or nothing when it can.
std::optional<QString> openRefusal(
    const QString &fileName, PathKind kind, bool readable, qint64 size);

} // namespace textpad
