// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class WebControl;

// How windows reach one another without knowing each other's classes. The application implements
// it; tests replace it with a fake.
class Workspace
{
public:
    // How the frame arranges its browser windows.
    enum class Arrangement {
        Cascade,
        TileHorizontally, // full-width strips, one below the other
        TileVertically, // full-height columns, side by side
    };

    // One browser window as the window list shows it.
    struct WindowEntry
    {
        QPointer<QWidget> window;
        QString caption;
        bool active = false;
    };

    // Where a browser window opened for a page comes up.
    enum class PageWindowPlace {
        Front, // in front of every other, the active window
        Behind, // behind the opener, which stays the active window
        Hidden, // a blocked pop-up: loaded and running but hidden; the opener stays active
    };

    virtual ~Workspace() = default;

    // Creates and shows a new browser window (it runs its load sequence, so it starts at
    // "about:blank") and navigates it to `address` when that is not empty. Returns the window.
    virtual QWidget *openBrowserWindow(const QString &address = {}) = 0;

    // A new browser window for a page of `opener` to load into, placed as `place` says. Returns
    // the window's web control.
    virtual WebControl *openPageWindow(QWidget *opener, PageWindowPlace place) = 0;

    // The program's first browser window, loaded afresh if it was closed; shown and brought to the
    // front, then navigated to `address` when that is not empty.
    virtual QWidget *showFirstBrowserWindow(const QString &address = {}) = 0;

    // The browser windows the user can see, in the order of the window list.
    virtual QList<WindowEntry> browserWindows() const = 0;

    // Makes `window`, one of browserWindows(), the active one; a window gone since does nothing.
    virtual void activateBrowserWindow(QWidget *window) = 0;

    // Arranges the frame's browser windows.
    virtual void arrangeBrowserWindows(Arrangement arrangement) = 0;

    // The shared favourites window, filled with a page's title and address, then shown.
    virtual void showFavourites(const QString &name, const QString &address) = 0;

    // The shared About window.
    virtual void showAbout() = 0;

    // The program's one Downloads window.
    virtual void showDownloads() = 0;
    // How many downloads are still running.
    virtual int runningDownloads() const = 0;

    // A new text pad window holding `text` (so it opens untitled and changed).
    virtual QWidget *openTextPad(const QString &text) = 0;
};
