// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program keeps history.txt and favourites.dat: beside the program when that directory
// is writable (a build or a portable copy), otherwise in the user's data directory, since an
// installed program cannot write into its own directory. The result always ends in a separator.
struct ApplicationDirectoryInputs
{
    QString programDirectory;
    bool programDirectoryWritable = true;
    QString userDataDirectory;
};

QString chooseApplicationDirectory(const ApplicationDirectoryInputs &inputs);

// Appends the native separator unless the path already ends in one.
QString withTrailingSeparator(const QString &directory);

// The directory for this run of the program (reads the program's location and the user's data
// directory, creating the latter when it is the one chosen). Needs no QCoreApplication.
QString applicationDirectory();
