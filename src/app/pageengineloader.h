// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/pageengine.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWindow;

// Loads the web engine's module, whose libraries are the largest part of the program, once the
// first window has been drawn, so that the user sees the program at once and the page follows.
class PageEngineLoader : public QObject
{
    Q_OBJECT

public:
    // The module is the first of `modulePaths` that loads; the engine it makes asks `choosePath`
    // where downloads go and belongs to `engineParent`.
    PageEngineLoader(
        const QStringList &modulePaths, PageEngine::PathChooser choosePath, QObject *engineParent);

    // Where the program's own module is: beside the program, else where it is installed.
    static QStringList programModulePaths();

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
    QObject *m_engineParent;
    bool m_tried = false;
};
