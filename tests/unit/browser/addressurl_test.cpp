// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressurl.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

TEST(AddressUrl, IsWhatTheControlLoads)
{
    const std::pair<QString, QString> rows[] = {
        { "/tmp/sub/../my page.html", "file:///tmp/my page.html" },
        { "~/docs/a.b.html", "file:///home/ann/docs/a.b.html" },
        { "/tmp/a#b.html", "file:///tmp/a%23b.html" }, // the hash is part of the file name
        { "/tmp/~/x", "file:///tmp/~/x" },
        { "about:blank", "about:blank" },
        { "www.example.com", "http://www.example.com" },
        { "  http://example.org/  ", "http://example.org/" },
        { "   ", "" },
    };
    for (const auto &[address, url] : rows)
        EXPECT_EQ(urlFromAddress(address, QStringLiteral("/home/ann")).toString(), url);
}

} // namespace
