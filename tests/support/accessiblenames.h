// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QObject;

// The visible controls below `root` that a user can operate but a screen reader cannot name, each
// as the path of object names and roles leading to it.
QStringList unnamedInteractiveControls(QObject *root);
