// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/commandline.h"
#include "app/core/handoffmessage.h"

#include "unit/qtprinters.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;
using Outcome = CommandLine::Outcome;

namespace {

struct ParseCase
{
    const char *name;
    QStringList arguments;
    Outcome outcome;
    bool newInstance;
    bool pad;
    QStringList positional;
};

class ParseCommandLine : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseCommandLine, ReadsOptionsAndArgumentsInOrder)
{
    const ParseCase &c = GetParam();
    const CommandLine line
        = parseCommandLine(QStringList { u"webviewer"_s } + c.arguments, u"1.0"_s);
    EXPECT_EQ(line.outcome, c.outcome);
    EXPECT_EQ(line.newInstance, c.newInstance);
    EXPECT_EQ(line.pad, c.pad);
    EXPECT_EQ(line.arguments, c.positional);
    // Everything but a plain run has something to print.
    EXPECT_EQ(line.text.isEmpty(), c.outcome == Outcome::Run);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseCommandLine,
    ::testing::Values(ParseCase { "NoArguments", {}, Outcome::Run, false, false, {} },
        ParseCase { "Addresses", { u"b.org"_s, u"a"_s }, Outcome::Run, false, false,
            { u"b.org"_s, u"a"_s } },
        ParseCase {
            "NewInstance", { u"--new-instance"_s, u"x"_s }, Outcome::Run, true, false, { u"x"_s } },
        ParseCase { "PadFiles", { u"--pad"_s, u"a.txt"_s, u"b.rtf"_s }, Outcome::Run, false, true,
            { u"a.txt"_s, u"b.rtf"_s } },
        ParseCase { "Help", { u"--help"_s }, Outcome::Help, false, false, {} },
        ParseCase { "Version", { u"--version"_s }, Outcome::Version, false, false, {} },
        ParseCase {
            "UnknownOption", { u"--bogus"_s, u"x"_s }, Outcome::Error, false, false, { u"x"_s } }),
    [](const auto &info) { return std::string(info.param.name); });

struct AddressCase
{
    const char *name;
    QString argument;
    QString expected;
};

class AddressForArgument : public ::testing::TestWithParam<AddressCase>
{
};

TEST_P(AddressForArgument, PathsBecomeFilesAndTheRestGetsTheHttpRule)
{
    const QSet<QString> existing
        = { u"/home/u/docs/page.html"_s, u"/home/u/notes.org"_s, u"/tmp/a b.html"_s };
    const auto exists = [&](const QString &path) { return existing.contains(path); };
    EXPECT_EQ(
        addressForArgument(GetParam().argument, u"/home/u/docs"_s, exists), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, AddressForArgument,
    ::testing::Values(
        AddressCase { "RelativePath", u"page.html"_s, u"file:///home/u/docs/page.html"_s },
        AddressCase { "PathUpwards", u"../notes.org"_s, u"file:///home/u/notes.org"_s },
        AddressCase { "AbsolutePathWithSpace", u"/tmp/a b.html"_s, u"file:///tmp/a b.html"_s },
        AddressCase { "DomainGetsHttp", u"example.org"_s, u"http://example.org"_s },
        AddressCase { "MissingFileIsAnAddress", u"other.html"_s, u"http://other.html"_s },
        AddressCase { "SchemeKept", u"https://example.org/"_s, u"https://example.org/"_s },
        AddressCase { "WordWithoutDotKept", u"localhost"_s, u"localhost"_s },
        AddressCase { "EmptyStaysEmpty", QString(), QString() }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartRequest, PadFilesBecomeAbsolutePathsWhetherOrNotTheyExist)
{
    const CommandLine line
        = parseCommandLine({ u"webviewer"_s, u"--pad"_s, u"new.txt"_s, u"/a/b.rtf"_s }, u"1.0"_s);
    const StartRequest request
        = startRequest(line, u"/home/u"_s, [](const QString &) { return false; });
    EXPECT_EQ(request,
        (StartRequest { StartRequest::Kind::Pad, { u"/home/u/new.txt"_s, u"/a/b.rtf"_s } }));
}

TEST(HandOffMessage, RequestsSurviveTheTripAndStrayBytesAreRefused)
{
    for (const StartRequest &request : { StartRequest {},
             StartRequest {
                 StartRequest::Kind::Browse, { u"http://a.org"_s, u"file:///ä\n.html"_s } },
             StartRequest { StartRequest::Kind::Pad, { u"/x.txt"_s } } }) {
        const QByteArray bytes = encodeStartRequest(request);
        EXPECT_EQ(decodeStartRequest(bytes), request);
        EXPECT_FALSE(decodeStartRequest(bytes.chopped(1)));
        EXPECT_FALSE(decodeStartRequest(bytes + 'x'));
    }
    EXPECT_FALSE(decodeStartRequest(QByteArray()));
    EXPECT_FALSE(decodeStartRequest("GET / HTTP/1.1\r\n\r\n"));
}

TEST(HandOffMessage, OneServerNamePerUserAndDataDirectory)
{
    const QString name = instanceServerName(u"ann"_s, u"/home/ann/.local/share/webviewer/"_s);
    EXPECT_EQ(name, instanceServerName(u"ann"_s, u"/home/ann/.local/share/webviewer/"_s));
    EXPECT_NE(name, instanceServerName(u"bob"_s, u"/home/ann/.local/share/webviewer/"_s));
    EXPECT_NE(name, instanceServerName(u"ann"_s, u"/opt/webviewer/"_s));
    EXPECT_LE(name.size(), 64); // well inside a Unix socket path
}

} // namespace
