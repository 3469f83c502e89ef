// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/applicationdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString withTrailingSeparator(const QString &directory)
{
    const QChar separator = QDir::separator();
    if (directory.endsWith(separator) || directory.endsWith(u'/'))
        return directory;
    return directory + separator;
}

QString chooseApplicationDirectory(const ApplicationDirectoryInputs &inputs)
{
    if (inputs.programDirectoryWritable || inputs.userDataDirectory.isEmpty())
        return withTrailingSeparator(inputs.programDirectory);
    return withTrailingSeparator(inputs.userDataDirectory);
}

QString applicationDirectory()
{
    ApplicationDirectoryInputs inputs;
    inputs.programDirectory = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    inputs.programDirectoryWritable = QFileInfo(inputs.programDirectory).isWritable();
    if (!inputs.programDirectoryWritable) {
        inputs.userDataDirectory
            = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(inputs.userDataDirectory);
    }
    return chooseApplicationDirectory(inputs);
}
