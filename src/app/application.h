// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/dialogs.h"
#include "common/launcher.h"
#include "common/workspace.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class AboutWindow;
class BrowserWindow;
class FavouritesWindow;
class FrameWindow;
class QWebEngineProfile;
class TextPadWindow;

// The program's windows and the services they share. Windows reach one another only through the
// Workspace interface implemented here.
class Application : public QObject, public Workspace
{
    Q_OBJECT

public:
    // Data files live in `applicationDirectory`; pages use `profile`, or the program's own stored
    // profile when none is given.
    explicit Application(const QString &applicationDirectory, QWebEngineProfile *profile = nullptr);
    ~Application() override;

    // Shows the frame and loads the first browser window into it.
    void start();

    FrameWindow *frame() const { return m_frame.get(); }

    QWidget *openBrowserWindow(const QString &address = {}) override;
    QWidget *showFirstBrowserWindow(const QString &address = {}) override;
    void arrangeBrowserWindows(int arrangeCode) override;
    void showFavourites(const QString &name, const QString &address) override;
    void showAbout() override;
    QWidget *openTextPad(const QString &text) override;

signals:
    // The first browser window has finished loading its first page.
    void firstPageLoaded();

private:
    BrowserWindow *createBrowserWindow();

    QtDialogs m_dialogs;
    DesktopLauncher m_launcher;
    QString m_applicationDirectory;
    QWebEngineProfile *m_profile;
    std::unique_ptr<FrameWindow> m_frame;
    QPointer<BrowserWindow> m_firstBrowserWindow;
    QPointer<FavouritesWindow> m_favourites;
    std::unique_ptr<AboutWindow> m_about;
    QList<QPointer<TextPadWindow>> m_textPads;
};
