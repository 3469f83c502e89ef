// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/core/commandline.h"
#include "app/frameplacement.h"
#include "common/dialogs.h"
#include "common/launcher.h"
#include "common/workspace.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class AboutWindow;
class BrowserWindow;
class DeferredWebControl;
class DownloadsWindow;
class FavouritesWindow;
class FrameWindow;
class PageEngine;
class PageEngineLoader;
class TextPadWindow;

// The program's windows and the services they share. Windows reach one another only through the
// Workspace interface implemented here.
class Application : public QObject, public Workspace
{
    Q_OBJECT

public:
    // Data files live in `applicationDirectory`. Pages are made by `engine`, which must outlive
    // this object; without one, by the program's engine module, loaded once the frame has first
    // been drawn.
    explicit Application(const QString &applicationDirectory, PageEngine *engine = nullptr);
    ~Application() override;

    // Shows the frame and loads the first browser window into it; each address of `request` then
    // opens in its own browser window, the first in the first one. A request for text pads opens
    // only those.
    void start(const StartRequest &request = {});

    // A later start of the program handed over `request`: each address in a new browser window
    // (one blank window when there is none), or each file in a text pad; the frame comes forward.
    void open(const StartRequest &request);

    FrameWindow *frame() const { return m_frame.get(); }

    // Remembers the frame's size and place for the next start, when the frame was shown.
    void saveFramePlacement() const;

    QWidget *openBrowserWindow(const QString &address = {}) override;
    WebControl *openPageWindow(QWidget *opener, PageWindowPlace place) override;
    QWidget *showFirstBrowserWindow(const QString &address = {}) override;
    QList<WindowEntry> browserWindows() const override;
    void activateBrowserWindow(QWidget *window) override;
    void arrangeBrowserWindows(Arrangement arrangement) override;
    void showFavourites(const QString &name, const QString &address) override;
    void showAbout() override;
    QWidget *openTextPad(const QString &text) override;
    void showDownloads() override;
    int runningDownloads() const override;

signals:
    // The pages a start or a hand-off asked for have loaded (the last one of them, or the blank
    // page of a window opened without an address).
    void pagesLoaded();
    // A text pad hid and no window is left on screen: a start for text pads alone is over.
    void lastWindowHidden();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BrowserWindow *createBrowserWindow();
    // A page control from the engine, or one that waits for it.
    WebControl *createWebControl();
    // Gives the engine the controls that waited for it; its downloads go to the Downloads window.
    void useEngine(PageEngine *engine);
    void showInFrame(BrowserWindow *window);
    void placeFrame(BrowserWindow *holding);
    TextPadWindow *createTextPad();
    void openTextPadFiles(const QStringList &paths);
    void openInNewWindows(const QStringList &addresses);
    void navigateAfterBlankPage(BrowserWindow *window, const QString &address, bool last);

    QtDialogs m_dialogs;
    DesktopLauncher m_launcher;
    QString m_applicationDirectory;
    FramePlacement m_placement;
    PageEngineLoader *m_loader; // before the windows: it prepares the engine while they are built
    QPointer<PageEngine> m_engine;
    QList<QPointer<DeferredWebControl>> m_waitingControls;
    std::unique_ptr<FrameWindow> m_frame;
    QPointer<BrowserWindow> m_firstBrowserWindow;
    QPointer<FavouritesWindow> m_favourites;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<DownloadsWindow> m_downloads;
    QList<QPointer<TextPadWindow>> m_textPads;
};
