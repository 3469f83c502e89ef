// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressurl.h"
#include "unit/qtprinters.h"

#include <gtest/gtest.h>

namespace {

struct UrlRow
{
    const char *name;
    QString address;
    QString url;
};

class AddressUrl : public testing::TestWithParam<UrlRow>
{
};

TEST_P(AddressUrl, IsWhatTheControlLoads)
{
    EXPECT_EQ(
        urlFromAddress(GetParam().address, QStringLiteral("/home/ann")).toString(), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(Rows, AddressUrl,
    testing::Values(
        UrlRow { "AbsolutePathIsAFile", "/tmp/my page.html", "file:///tmp/my page.html" },
        UrlRow { "DotSegmentsResolved", "/tmp/sub/../page.html", "file:///tmp/page.html" },
        UrlRow { "HomeExpanded", "~/docs/a.b.html", "file:///home/ann/docs/a.b.html" },
        UrlRow { "HashIsPartOfTheFileName", "/tmp/a#b.html", "file:///tmp/a%23b.html" },
        UrlRow { "TildeElsewhereKept", "/tmp/~/x", "file:///tmp/~/x" },
        UrlRow { "AboutBlankKept", "about:blank", "about:blank" },
        UrlRow { "HostAloneGetsHttp", "www.example.com", "http://www.example.com" },
        UrlRow { "SurroundingSpacesDropped", "  http://example.org/  ", "http://example.org/" },
        UrlRow { "BlankGivesNothing", "   ", "" }),
    [](const testing::TestParamInfo<UrlRow> &info) { return info.param.name; });

} // namespace
