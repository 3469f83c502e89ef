// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/documentrules.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace textpad {

QString padTitle(PadTitle title, const QString &fileTitle)
{
    const QString name = QStringLiteral("Orbello's Quillstep");
    switch (title) {
    case PadTitle::Loading:
        return name + QStringLiteral(" - Loading...");
    case PadTitle::Saving:
        return name + QStringLiteral(" - Saving...");
    case PadTitle::File:
        return name + QStringLiteral(" - ") + fileTitle;
    case PadTitle::Plain:
        break;
    }
    return name;
}

QString fileTitle(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool savesAsRichText(const QString &path)
{
    return path.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
}

QString monitorLine(bool saved, qint64 plainSize)
{
    const QString word
        = saved ? QStringLiteral("No change detected") : QStringLiteral("Change detected");
    return word + QStringLiteral(" with ") + QString::number(plainSize) + QStringLiteral(" bytes.");
}

QString dateTimeText(const QDateTime &when, const QLocale &locale)
{
    // Qt's long time names the time zone; the general date form of regional settings does not.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.replace(zone, QStringLiteral(" "));
    return locale.toString(when.date(), QLocale::ShortFormat) + u' '
        + locale.toString(when.time(), timeFormat.trimmed());
}

bool hasFormatting(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.textList() || !block.blockFormat().properties().isEmpty())
            return true;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!fragment.fragment().charFormat().properties().isEmpty())
                return true;
        }
    }
    return false;
}

QString untitledName(bool hasFormatting)
{
    return hasFormatting ? QStringLiteral("Untitled.rtf") : QStringLiteral("Untitled.txt");
}

PathKind pathKind(const QFileInfo &path)
{
    if (path.isDir())
        return PathKind::Folder;
    return path.exists() && !path.isFile() ? PathKind::Other : PathKind::File;
}

std::optional<QString> openRefusal(
    const QString &fileName, PathKind kind, bool readable, qint64 size)
{
    if (kind == PathKind::Folder)
        return QStringLiteral("\"%1\" is a folder. Only files can be opened.").arg(fileName);
    if (kind == PathKind::Other)
        return QStringLiteral("\"%1\" is not a file. Only files can be opened.").arg(fileName);
    if (!readable)
        return QStringLiteral("\"%1\" cannot be read.").arg(fileName);
    if (size >= largestOpenableFile) {
        return QStringLiteral("\"%1\" is too large to open: files up to %2 MB can be opened.")
            .arg(fileName)
            .arg(largestOpenableFile >> 20);
    }
    return std::nullopt;
}

} // namespace textpad
