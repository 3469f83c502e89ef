// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programstart.h"

#include "app/application.h"
#include "app/core/handoffmessage.h"
#include "app/singleinstance.h"
#include "app/startupprobe.h"
#include "common/core/applicationdirectory.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

namespace {

// Read before the QApplication exists, so --help works without a display.
CommandLine readCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return parseCommandLine(arguments, QCoreApplication::applicationVersion());
}

int printAndExit(const QString &text, FILE *stream, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

StartRequest requestFor(const CommandLine &commandLine)
{
    return startRequest(commandLine, QDir::currentPath(),
        [](const QString &path) { return QFileInfo::exists(path); });
}

int runApplication(
    const StartRequest &request, const QString &dataDirectory, SingleInstance &instance)
{
    Application application(dataDirectory);
    QObject::connect(&instance, &SingleInstance::messageReceived, &application,
        [&application](const QByteArray &message) {
            if (const std::optional<StartRequest> handedOff = decodeStartRequest(message))
                application.open(*handedOff);
        });
    QObject::connect(&application, &Application::lastWindowHidden, &application,
        [] { QCoreApplication::exit(0); });
    application.start(request);
    StartupProbe::install(application);
    const int status = QCoreApplication::exec();
    application.saveFramePlacement();
    return status;
}

} // namespace

int runProgram(int &argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("webviewer"));
    QApplication::setApplicationVersion(QStringLiteral(WEBVIEWER_VERSION));
    const CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.outcome) {
    case CommandLine::Outcome::Help:
    case CommandLine::Outcome::Version:
        return printAndExit(commandLine.text, stdout, 0);
    case CommandLine::Outcome::Error:
        return printAndExit(commandLine.text, stderr, 2);
    case CommandLine::Outcome::Run:
        break;
    }
    const QString dataDirectory = applicationDirectory();
    const StartRequest request = requestFor(commandLine);
    const QString serverName = SingleInstance::serverNameFor(dataDirectory);
    if (!commandLine.newInstance
        && SingleInstance::handOff(serverName, encodeStartRequest(request)))
        return 0;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.webviewer.WebViewer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/example.webviewer.WebViewer.svg")));
    SingleInstance instance(serverName);
    instance.listen();
    return runApplication(request, dataDirectory, instance);
}
