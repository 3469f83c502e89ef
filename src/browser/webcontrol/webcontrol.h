// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class EngineSettings;
class QPrinter;
class QWidget;

// The embedded web browser of a browser window: navigation, the page's document, page commands and
// the page's events. The browser window only talks to this interface; tests use a fake.
class WebControl : public QObject
{
    Q_OBJECT

public:
    // The clipboard and editing commands of the page.
    enum class Command { Cut, Copy, Paste, Undo, Redo, SelectAll, Delete };
    Q_ENUM(Command)

    // Answered by whoever handles newWindowRequested: the control that is to load the page.
    struct NewWindowRequest
    {
        WebControl *target = nullptr;
    };

    // What the page asks of the user. Whoever handles the request signals below fills in the
    // answer before returning (connect directly); unanswered requests are refused.
    struct SignInRequest
    {
        QString host;
        QString realm;
        // Asked again right after a sign-in there: the name or password was not accepted.
        bool retry = false;
        bool accepted = false;
        QString user; // proposed on a retry; the answer
        QString password;
    };
    // A Yes/No question about the page, No the default.
    struct Question
    {
        QString text;
        bool yes = false;
    };
    enum class PageDialogKind { Alert, Confirm, Prompt };
    // The page's own alert, confirm or prompt.
    struct PageDialogRequest
    {
        PageDialogKind kind = PageDialogKind::Alert;
        QString text;
        QString value;
        bool offerSilence = false; // offer to silence the page's further dialogs
        bool accepted = false;
        bool silence = false;
    };

    // What a page properties dialog shows; what the page cannot tell stays empty (size -1).
    struct PageProperties
    {
        QString title;
        QString url;
        QString contentType;
        QString lastModified;
        qint64 size = -1; // of the document's markup, in bytes of UTF-8
    };

    using QObject::QObject;

    virtual QWidget *widget() = 0;

    virtual void navigate(const QString &address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void goHome() = 0;
    virtual void stop() = 0;
    // Reloads completely, bypassing the cache.
    virtual void refresh() = 0;

    virtual QString locationName() const = 0;
    virtual QString locationUrl() const = 0;

    // The page's documentElement.innerHTML, delivered later; an empty string when there is none.
    virtual void requestMarkup(std::function<void(const QString &)> callback) = 0;
    virtual void setDesignMode(bool on) = 0;
    // The page's properties, delivered later.
    virtual void requestProperties(std::function<void(const PageProperties &)> callback) = 0;

    // While offline the page's network requests are blocked.
    virtual void setOffline(bool offline) = 0;

    virtual void setAudioMuted(bool muted) = 0;

    // Frees the page's process and memory while the control is hidden; the page loads again when
    // the control is shown.
    virtual void discard() = 0;
    // The page's zoom, 1.0 for actual size; it lasts across the control's navigations.
    virtual void setZoomFactor(double factor) = 0;

    // Saves the complete page (markup and its resources beside it) to `path`.
    virtual void savePage(const QString &path) = 0;
    // Prints the page on `printer`, which must stay alive until printFinished.
    virtual void print(QPrinter *printer) = 0;

    // Searches the page; the result arrives as findFinished.
    virtual void findText(const QString &text, bool backward, bool caseSensitive) = 0;

    // Runs a clipboard or editing command on the page; failures are ignored.
    virtual void execute(Command command) = 0;

    // The engine's own settings (home page, switches, cache and cookies), shared by every control
    // on the same engine profile.
    virtual EngineSettings &engineSettings() = 0;

signals:
    void statusTextChanged(const QString &text);
    void progressChanged(int progress, int progressMax);
    void titleChanged(const QString &title);
    // Every navigation request, frames included.
    void navigationStarting(const QUrl &url);
    // Connect directly: the handler must set request.target before returning.
    void newWindowRequested(WebControl::NewWindowRequest &request);
    void documentComplete(const QUrl &url);
    // The page asks for a size, in device-independent pixels.
    void widthRequested(int width);
    void heightRequested(int height);
    void closeRequested();
    void printFinished(bool ok);
    void findFinished(int matches, int activeMatch);
    void signInRequested(WebControl::SignInRequest &request);
    void questionAsked(WebControl::Question &question);
    void pageDialogRequested(WebControl::PageDialogRequest &request);
};
