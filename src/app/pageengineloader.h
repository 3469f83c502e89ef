// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/pageengine.h"

#include <QObject>
#include <QStringList>
#include <thread>

class QWindow;

// Starts the web engine without making the user wait for it. The OpenGL context that pages share
// with the windows is made on a thread of its own while the first window is built, as making it
// loads the graphics driver; the engine's module, whose libraries are most of the program, is
// loaded once the first window has been drawn, or at once when something needs a page before that.
class PageEngineLoader : public QObject
{
    Q_OBJECT

public:
    // The module is the first of `modulePaths` that exists; the engine it makes asks `choosePath`
    // where downloads go and, like this loader, belongs to `engineParent`. The application object
    // must exist.
    PageEngineLoader(
        const QStringList &modulePaths, PageEngine::PathChooser choosePath, QObject *engineParent);
    ~PageEngineLoader() override;

    // Where the program's own module is: beside the program, else where it is installed.
    static QStringList programModulePaths();

    // Waits for the shared OpenGL context, which Qt needs before the first window with a page is
    // made. Until then nothing on the user-interface thread may ask Qt about OpenGL: Qt sets it
    // up on the thread that first asks. Without OpenGL there is no context, and the engine draws
    // pages without sharing.
    void waitForOpenGL();
    // Loads the engine once `window` has been drawn for the first time (soon when it has been).
    void loadAfterFirstPaint(QWindow *window);
    // Loads the engine now, when it is not loaded and has not failed to load.
    void load();

signals:
    void loaded(PageEngine *engine);
    // Reported once; the program goes on without pages.
    void failed(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PageEngine *makeEngine(QString *reason);

    QStringList m_modulePaths;
    PageEngine::PathChooser m_choosePath;
    bool m_tried = false;
    std::thread m_openGL;
};
