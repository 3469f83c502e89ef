// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a file dialog starts: the folder it was given, else the last folder a file was chosen in
// during this run, else the user's documents folder. A name proposed without a folder goes into
// that folder.
QString dialogStartPath(
    const QString &given, const QString &lastFolder, const QString &documentsFolder);
