// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/applicationdirectory.h"

#include "unit/qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Beside a writable program, else in the user's data directory when there is one; always ending
// in a separator, since data file names are appended directly.
TEST(ApplicationDirectory, ChoiceEndsInASeparator)
{
    const QString data = u"/home/u/.local/share/webviewer"_s;
    const std::tuple<QString, bool, QString, QString> rows[] = {
        { u"/opt/webviewer/build"_s, true, data, u"/opt/webviewer/build/"_s },
        { u"/usr/bin"_s, false, data, data + u'/' },
        { u"/usr/bin"_s, false, data + u'/', data + u'/' },
        { u"/usr/bin"_s, false, u""_s, u"/usr/bin/"_s },
        { u"/a"_s, true, data, u"/a/"_s },
        { u"/opt/webviewer/"_s, true, data, u"/opt/webviewer/"_s },
        { u"/"_s, true, data, u"/"_s },
    };
    for (const auto &[program, writable, userData, expected] : rows)
        EXPECT_EQ(chooseApplicationDirectory({ program, writable, userData }), expected);
}

} // namespace
