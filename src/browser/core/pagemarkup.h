// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace PageMarkup {

// What "Save" writes for a page: its markup exactly as the page gives it (line breaks inside it
// left alone), as UTF-8, followed by one CR LF.
QByteArray fileContents(const QString &markup);

} // namespace PageMarkup
