// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/commandline.h"
#include "app/core/handoffmessage.h"

#include "unit/qtprinters.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace Qt::StringLiterals;
using Outcome = CommandLine::Outcome;

namespace {

TEST(CommandLine, ReadsOptionsAndArgumentsInOrder)
{
    const struct
    {
        QStringList arguments;
        Outcome outcome;
        bool newInstance, pad;
        QStringList positional;
    } rows[] = {
        { {}, Outcome::Run, false, false, {} },
        { { u"b.org"_s, u"a"_s }, Outcome::Run, false, false, { u"b.org"_s, u"a"_s } },
        { { u"--new-instance"_s, u"x"_s }, Outcome::Run, true, false, { u"x"_s } },
        { { u"--pad"_s, u"a.txt"_s, u"b.rtf"_s }, Outcome::Run, false, true,
            { u"a.txt"_s, u"b.rtf"_s } },
        { { u"--help"_s }, Outcome::Help, false, false, {} },
        { { u"--version"_s }, Outcome::Version, false, false, {} },
        { { u"--bogus"_s, u"x"_s }, Outcome::Error, false, false, { u"x"_s } },
    };
    for (const auto &row : rows) {
        const CommandLine line
            = parseCommandLine(QStringList { u"webviewer"_s } + row.arguments, u"1.0"_s);
        EXPECT_EQ(line.outcome, row.outcome) << testing::PrintToString(row.arguments);
        EXPECT_EQ(line.newInstance, row.newInstance);
        EXPECT_EQ(line.pad, row.pad);
        EXPECT_EQ(line.arguments, row.positional);
        EXPECT_EQ(line.text.isEmpty(), row.outcome == Outcome::Run); // the rest print something
    }
}

TEST(CommandLine, PathsBecomeFilesAndTheRestGetsTheHttpRule)
{
    const QSet<QString> existing
        = { u"/home/u/docs/page.html"_s, u"/home/u/notes.org"_s, u"/tmp/a b.html"_s };
    const auto exists = [&](const QString &path) { return existing.contains(path); };
    const std::pair<QString, QString> rows[] = {
        { u"page.html"_s, u"file:///home/u/docs/page.html"_s },
        { u"../notes.org"_s, u"file:///home/u/notes.org"_s },
        { u"/tmp/a b.html"_s, u"file:///tmp/a b.html"_s },
        { u"example.org"_s, u"http://example.org"_s },
        { u"other.html"_s, u"http://other.html"_s }, // no such file
        { u"https://example.org/"_s, u"https://example.org/"_s },
        { u"localhost"_s, u"localhost"_s },
        { QString(), QString() },
    };
    for (const auto &[argument, address] : rows)
        EXPECT_EQ(addressForArgument(argument, u"/home/u/docs"_s, exists), address);
}

TEST(CommandLine, PadFilesBecomeAbsolutePathsWhetherOrNotTheyExist)
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
