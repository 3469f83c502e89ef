// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class Application;

// The one switch for the start-up benchmark and the headless preview, the environment variable
// WEBVIEWER_PROBE:
//   quit             print "painted" once the frame has first painted and "ready" once the pages
//                    asked for have loaded, then quit;
//   serve            the same, but go on running and print "ready" after each hand-off as well;
//   screenshot:FILE  save a picture of the frame's window to FILE once its page has loaded, then
//                    quit.
// Unset, nothing is watched.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    // Call after the application has started, so its frame has a window to watch.
    static void install(Application &application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupProbe(Application &application, const QString &mode);
    void pagesLoaded();
    void takeScreenshot();

    Application &m_application;
    QString m_mode;
};
