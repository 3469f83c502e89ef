// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: the least a program needs to show one web page inside an MDI frame.
// Given an address it loads that instead of about:blank. Like the browser under WEBVIEWER_PROBE
// (src/app/startupprobe.h) it prints "painted" once its frame has first been drawn and "ready"
// when the page has loaded, and quits then when WEBVIEWER_PROBE is "quit".
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>
#include <cstdio>

namespace {
void report(const char *line)
{
    std::puts(line);
    std::fflush(stdout);
}

// Reports once a window has handled its first expose, which is when it paints. It watches the
// whole application: the engine's view makes the frame's window afresh once it is shown.
class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [] { report("painted"); });
        }
        return false;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QMainWindow frame;
    auto *area = new QMdiArea;
    frame.setCentralWidget(area);
    auto *view = new QWebEngineView;
    area->addSubWindow(view)->show();
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    frame.show();
    QObject::connect(view, &QWebEngineView::loadFinished, &app, [&app] {
        report("ready");
        if (qEnvironmentVariable("WEBVIEWER_PROBE") == QLatin1String("quit"))
            app.quit();
    });
    view->setUrl(QUrl(arguments.value(1, QStringLiteral("about:blank"))));
    return app.exec();
}
