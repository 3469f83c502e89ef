// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/workspace.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records what windows ask of the workspace. Browser windows it is asked to open are made by
// `makeBrowser` when a test sets it (for example a real browser window on a fake control), else
// nothing is made.
class FakeWorkspace : public Workspace
{
public:
    QWidget *openBrowserWindow(const QString &address = {}) override
    {
        openedBrowserAddresses.append(address);
        return makeBrowser ? makeBrowser(address) : nullptr;
    }
    WebControl *openPageWindow(QWidget *opener, PageWindowPlace place) override
    {
        pageWindows.append({ opener, place });
        return pageWindowControl;
    }
    QWidget *showFirstBrowserWindow(const QString &address = {}) override
    {
        firstWindowAddresses.append(address);
        return makeBrowser ? makeBrowser(address) : nullptr;
    }
    void arrangeBrowserWindows(Arrangement) override { }
    QList<WindowEntry> browserWindows() const override { return windows; }
    void activateBrowserWindow(QWidget *window) override { activated.append(window); }
    void showFavourites(const QString &, const QString &) override { }
    void showAbout() override { }
    QWidget *openTextPad(const QString &) override { return nullptr; }
    void showDownloads() override { }
    int runningDownloads() const override { return running; }

    std::function<QWidget *(const QString &address)> makeBrowser;
    QStringList openedBrowserAddresses;
    QStringList firstWindowAddresses;
    // Windows opened for pages: who asked and where; each gets `pageWindowControl`.
    QList<QPair<QWidget *, PageWindowPlace>> pageWindows;
    WebControl *pageWindowControl = nullptr;
    QList<WindowEntry> windows; // what browserWindows() answers
    QList<QWidget *> activated;
    int running = 0;
};
