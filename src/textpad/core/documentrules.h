// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDateTime;
class QLocale;

namespace textpad {

enum class PadTitle { Plain, Loading, Saving, File };

// The pad's caption; `fileTitle` is only used for PadTitle::File.
QString padTitle(PadTitle title, const QString &fileTitle = {});

// The name of the file without its directory, as the file dialog reports it.
QString fileTitle(const QString &path);

// A path holding ".rtf" anywhere, in exactly that case, is saved as rich text; any other as plain
// text.
bool savesAsRichText(const QString &path);

// The first status panel: whether the document has unsaved changes and what a plain save would
// write.
QString monitorLine(bool saved, qint64 plainSize);

// The short date, a space and the long time of `locale`, without the time zone name.
QString dateTimeText(const QDateTime &when, const QLocale &locale);

} // namespace textpad
