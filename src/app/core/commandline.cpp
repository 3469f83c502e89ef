// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/commandline.h"

#include "browser/core/addressboxmodel.h"

#include <QCommandLineParser>
#include <QDir>
#include <QUrl>

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Orbello's Web Viewer: opens each address or file in its own browser "
                       "window, in the program that is already running when there is one."));
    // Plain options rather than Qt's own help, which would offer Qt's options as well.
    parser.addOption(
        { { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Displays this help.") });
    parser.addOption({ { QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Displays the version.") });
    parser.addOption({ QStringLiteral("new-instance"),
        QStringLiteral("Start a program of its own instead of handing over to the running one.") });
    parser.addOption({ QStringLiteral("pad"),
        QStringLiteral("Open the files in Orbello's Quillstep, each in its own text pad.") });
    parser.addPositionalArgument(QStringLiteral("addresses"),
        QStringLiteral("Web addresses or local files to open."),
        QStringLiteral("[ADDRESS|FILE...]"));
}

// The parser names the program only when a QCoreApplication exists, and this runs before one.
QString usage(const QCommandLineParser &parser)
{
    return parser.helpText().replace(
        QStringLiteral("<executable_name>"), QStringLiteral("webviewer"));
}

QString absolutePath(const QString &path, const QString &workingDirectory)
{
    return QDir::cleanPath(QDir(workingDirectory).absoluteFilePath(path));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    describe(parser);
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.outcome = CommandLine::Outcome::Error;
        result.text = parser.errorText() + u'\n' + usage(parser);
    } else if (parser.isSet(QStringLiteral("help"))) {
        result.outcome = CommandLine::Outcome::Help;
        result.text = usage(parser);
    } else if (parser.isSet(QStringLiteral("version"))) {
        result.outcome = CommandLine::Outcome::Version;
        result.text = QStringLiteral("webviewer %1\n").arg(version);
    }
    result.newInstance = parser.isSet(QStringLiteral("new-instance"));
    result.pad = parser.isSet(QStringLiteral("pad"));
    result.arguments = parser.positionalArguments();
    return result;
}

QString addressForArgument(
    const QString &argument, const QString &workingDirectory, const PathExists &exists)
{
    if (!argument.isEmpty()) {
        const QString path = absolutePath(argument, workingDirectory);
        if (exists(path))
            return QUrl::fromLocalFile(path).toString();
    }
    return withHttpPrefix(argument);
}

StartRequest startRequest(
    const CommandLine &commandLine, const QString &workingDirectory, const PathExists &exists)
{
    StartRequest request;
    request.kind = commandLine.pad ? StartRequest::Kind::Pad : StartRequest::Kind::Browse;
    for (const QString &argument : commandLine.arguments) {
        request.items.append(commandLine.pad
                ? absolutePath(argument, workingDirectory)
                : addressForArgument(argument, workingDirectory, exists));
    }
    return request;
}
