// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: the least a program needs to show one web page inside an MDI frame.
// It prints "ready" when about:blank has loaded, the same moment the browser reports for itself.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow frame;
    auto *area = new QMdiArea;
    frame.setCentralWidget(area);
    auto *view = new QWebEngineView;
    area->addSubWindow(view)->show();
    frame.show();
    QObject::connect(view, &QWebEngineView::loadFinished, &app, [&app] {
        std::puts("ready");
        std::fflush(stdout);
        if (qEnvironmentVariable("WEBVIEWER_PROBE") == QLatin1String("quit"))
            app.quit();
    });
    view->setUrl(QUrl(QStringLiteral("about:blank")));
    return app.exec();
}
