// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startupprobe.h"

#include "app/application.h"
#include "app/framewindow.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {
const QString screenshotPrefix = QStringLiteral("screenshot:");
// Long enough for the engine to paint the page after it reports it loaded.
constexpr int paintDelayMs = 1500;

void report(const char *line)
{
    std::puts(line);
    std::fflush(stdout);
}
} // namespace

void StartupProbe::install(Application &application)
{
    const QString mode = qEnvironmentVariable("WEBVIEWER_PROBE");
    if (mode.isEmpty())
        return;
    auto *probe = new StartupProbe(application, mode);
    connect(&application, &Application::pagesLoaded, probe, &StartupProbe::pagesLoaded);
    if (QWindow *window = application.frame()->windowHandle())
        window->installEventFilter(probe);
}

StartupProbe::StartupProbe(Application &application, const QString &mode)
    : QObject(&application)
    , m_application(application)
    , m_mode(mode)
{
}

// The window paints while it handles its first expose; the report follows that.
bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [] { report("painted"); });
    }
    return false;
}

void StartupProbe::pagesLoaded()
{
    if (m_mode.startsWith(screenshotPrefix)) {
        QTimer::singleShot(paintDelayMs, this, &StartupProbe::takeScreenshot);
        return;
    }
    report("ready");
    if (m_mode == QLatin1String("quit"))
        QCoreApplication::exit(0);
}

void StartupProbe::takeScreenshot()
{
    QWidget *frame = m_application.frame();
    frame->screen()->grabWindow(frame->winId()).save(m_mode.mid(screenshotPrefix.size()));
    QCoreApplication::exit(0);
}
