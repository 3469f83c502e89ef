// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/core/documentrules.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

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
    return path.contains(QLatin1String(".rtf"), Qt::CaseSensitive);
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

} // namespace textpad
