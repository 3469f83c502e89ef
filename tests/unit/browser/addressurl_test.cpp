// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressurl.h"
#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

namespace {

TEST(AddressUrl, IsWhatTheControlLoads)
{
    for (const QJsonValue row : tableRows("paths", "address url")) {
        EXPECT_EQ(urlFromAddress(row[0].toString(), QStringLiteral("/home/ann")).toString(),
            row[1].toString());
    }
}

} // namespace
