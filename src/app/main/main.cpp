// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/framewindow.h"
#include "common/core/applicationdirectory.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// Hooks for the start-up benchmark and the headless preview of ./run: report when the first page
// has loaded, or photograph the screen then, and quit.
void watchFirstPage(Application &application)
{
    const QString screenshot = qEnvironmentVariable("WEBVIEWER_SCREENSHOT");
    const bool benchmark = qEnvironmentVariableIsSet("STARTUP_BENCH_QUIT");
    if (screenshot.isEmpty() && !benchmark)
        return;
    QObject::connect(&application, &Application::firstPageLoaded, &application, [=] {
        if (benchmark) {
            std::puts("ready");
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        // Give the window a moment to paint before the picture.
        QTimer::singleShot(1500, qApp, [screenshot] {
            QGuiApplication::primaryScreen()->grabWindow(0).save(screenshot);
            QCoreApplication::exit(0);
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("webviewer"));
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.webviewer.WebViewer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/example.webviewer.WebViewer.svg")));
    Application application(applicationDirectory());
    watchFirstPage(application);
    application.start();
    return app.exec();
}
