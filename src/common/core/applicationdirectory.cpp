// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/applicationdirectory.h"

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
    // Where the running program file is, read from the system rather than from QCoreApplication:
    // a second start hands its arguments over before it makes one.
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    inputs.programDirectory = QDir::toNativeSeparators(program.path());
    inputs.programDirectoryWritable = QFileInfo(inputs.programDirectory).isWritable();
    if (!inputs.programDirectoryWritable) {
        inputs.userDataDirectory
            = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(inputs.userDataDirectory);
    }
    return chooseApplicationDirectory(inputs);
}
