// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// Text typed as a path on this computer rather than a web address: it starts with "/" or "~/".
bool isLocalPath(QStringView text);

// The address a browser control goes to for what was typed or chosen: a local path (with "~"
// standing for `homePath`) becomes a file: address, anything else is read as a web address,
// "http://" assumed. Blank text gives an empty address.
QUrl urlFromAddress(const QString &address, const QString &homePath);
