// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/pagemarkup.h"

#include "common/core/datafile.h"

namespace PageMarkup {

QByteArray fileContents(const QString &markup)
{
    return DataFile::encode(markup) + "\r\n";
}

} // namespace PageMarkup
