// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/commandline.h"
#include "app/core/handoffmessage.h"

#include "unit/qtprinters.h"
#include "unit/testsupport.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;
using Outcome = CommandLine::Outcome;

namespace {

TEST(CommandLine, ReadsOptionsAndArgumentsInOrder)
{
    const QHash<QString, Outcome> outcomes { { "run", Outcome::Run }, { "help", Outcome::Help },
        { "version", Outcome::Version }, { "error", Outcome::Error } };
    for (const QJsonValue row : tableRows("commandline", "parse")) {
        const CommandLine line
            = parseCommandLine(QStringList { u"webviewer"_s } + strings(row[0]), u"1.0"_s);
        EXPECT_EQ(line.outcome, outcomes.value(row[1].toString())) << shown(row);
        EXPECT_EQ(line.newInstance, row[2].toBool()) << shown(row);
        EXPECT_EQ(line.pad, row[3].toBool()) << shown(row);
        EXPECT_EQ(line.arguments, strings(row[4]));
        EXPECT_EQ(line.text.isEmpty(), line.outcome == Outcome::Run); // the rest print something
    }
}

TEST(CommandLine, PathsBecomeFilesAndTheRestGetsTheHttpRule)
{
    const QSet<QString> existing
        = { u"/home/u/docs/page.html"_s, u"/home/u/notes.org"_s, u"/tmp/a b.html"_s };
    const auto exists = [&](const QString &path) { return existing.contains(path); };
    for (const QJsonValue row : tableRows("commandline", "address for argument")) {
        EXPECT_EQ(
            addressForArgument(row[0].toString(), u"/home/u/docs"_s, exists), row[1].toString());
    }
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

TEST(HandOffMessage, RequestsSurviveTheTripToTheirOwnServerAndStrayBytesAreRefused)
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
    // One server per user and data directory.
    const QString name = instanceServerName(u"ann"_s, u"/home/ann/.local/share/webviewer/"_s);
    EXPECT_EQ(name, instanceServerName(u"ann"_s, u"/home/ann/.local/share/webviewer/"_s));
    EXPECT_NE(name, instanceServerName(u"bob"_s, u"/home/ann/.local/share/webviewer/"_s));
    EXPECT_NE(name, instanceServerName(u"ann"_s, u"/opt/webviewer/"_s));
    EXPECT_LE(name.size(), 64); // well inside a Unix socket path
}

} // namespace
