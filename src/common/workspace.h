// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

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

    virtual ~Workspace() = default;

    // Creates and shows a new browser window (it runs its load sequence, so it starts at
    // "about:blank") and navigates it to `address` when that is not empty. Returns the window.
    virtual QWidget *openBrowserWindow(const QString &address = {}) = 0;

    // The program's first browser window, loaded afresh if it was closed; shown and brought to the
    // front, then navigated to `address` when that is not empty.
    virtual QWidget *showFirstBrowserWindow(const QString &address = {}) = 0;

    // Arranges the frame's browser windows.
    virtual void arrangeBrowserWindows(Arrangement arrangement) = 0;

    // The shared favourites window, filled with a page's title and address, then shown.
    virtual void showFavourites(const QString &name, const QString &address) = 0;

    // The shared About window.
    virtual void showAbout() = 0;

    // A new text pad window holding `text` (so it opens untitled and changed).
    virtual QWidget *openTextPad(const QString &text) = 0;
};
