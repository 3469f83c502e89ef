// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The command line: webviewer [--new-instance] [--pad] [ADDRESS|FILE]...
struct CommandLine
{
    enum class Outcome { Run, Help, Version, Error };
    Outcome outcome = Outcome::Run;
    // What to print for Help, Version and Error (an error comes with the usage).
    QString text;
    bool newInstance = false;
    // The arguments are files for the text pad rather than addresses for browser windows.
    bool pad = false;
    QStringList arguments;
};

// `arguments` starts with the program's name, as QCoreApplication::arguments() does.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

// What a start of the program asks for: browser windows at addresses, or text pads on files. It is
// what a second start hands to the running program, so paths are already absolute.
struct StartRequest
{
    enum class Kind { Browse, Pad };
    Kind kind = Kind::Browse;
    QStringList items;

    friend bool operator==(const StartRequest &a, const StartRequest &b)
    {
        return a.kind == b.kind && a.items == b.items;
    }
};

using PathExists = std::function<bool(const QString &absolutePath)>;

// An existing local path, relative to `workingDirectory` or absolute, becomes a file:// address;
// anything else is an address as typed, given "http://" by the address box's rule.
QString addressForArgument(
    const QString &argument, const QString &workingDirectory, const PathExists &exists);

StartRequest startRequest(
    const CommandLine &commandLine, const QString &workingDirectory, const PathExists &exists);
