// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/dialogstart.h"

#include <QDir>
#include <QFileInfo>

QString dialogStartPath(
    const QString &given, const QString &lastFolder, const QString &documentsFolder)
{
    if (!given.isEmpty() && QFileInfo(given).isAbsolute())
        return given;
    const QString folder = lastFolder.isEmpty() ? documentsFolder : lastFolder;
    return given.isEmpty() ? folder : QDir(folder).filePath(given);
}
