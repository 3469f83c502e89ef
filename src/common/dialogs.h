// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// Every modal question the program asks goes through here, so tests can script the answers.
class Dialogs
{
public:
    enum class Icon { None, Information, Question, Critical };
    // YesNoDefaultNo: for questions whose safe answer is No (Enter answers No).
    enum class Buttons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FontChoice
    {
        QFont font;
        bool accepted = false;
    };

    struct Credentials
    {
        QString user;
        QString password;
    };

    // A page's own alert, confirm or prompt.
    enum class PageDialogKind { Alert, Confirm, Prompt };
    struct PageDialogAnswer
    {
        bool accepted = false;
        QString value; // what a prompt was answered with
        bool silence = false; // "Don't let this page show more dialogs" was checked
    };

    virtual ~Dialogs() = default;

    virtual Answer message(
        QWidget *parent, const QString &text, const QString &title, Buttons buttons, Icon icon)
        = 0;

    // The chosen path, or nothing when the user cancels. The filter uses Qt's "Name (*.ext);;..."
    // form. Open starts in `directory`, Save with `proposedPath`; without a folder they start in
    // the last folder chosen in this run, else in the user's documents folder. A name typed
    // without an extension gets the one of the chosen filter when it names exactly one.
    virtual std::optional<QString> openFile(
        QWidget *parent, const QString &filter, const QString &directory = {})
        = 0;
    virtual std::optional<QString> saveFile(
        QWidget *parent, const QString &filter, const QString &proposedPath = {})
        = 0;

    // The font dialog starts from `initial`; the font it ends with is returned either way.
    virtual FontChoice chooseFont(QWidget *parent, const QFont &initial) = 0;

    // Page setup and print dialogs on the caller's printer; true when accepted.
    virtual bool pageSetup(QWidget *parent, QPrinter *printer) = 0;
    virtual bool print(QWidget *parent, QPrinter *printer) = 0;

    // Asks for a user name (`user` proposed) and password (masked) to sign in to `host`'s `realm`,
    // saying so when the last try was not accepted (`retry`); nothing when the user cancels.
    // What is typed is never stored.
    virtual std::optional<Credentials> signIn(
        QWidget *parent, const QString &host, const QString &realm, const QString &user, bool retry)
        = 0;

    // A page's dialog, modal to `window` only: the rest of the program stays usable while it is
    // open. With `offerSilence` it offers "Don't let this page show more dialogs". A dialog whose
    // window goes away is answered as cancelled.
    virtual PageDialogAnswer pageDialog(QWidget *window, PageDialogKind kind, const QString &text,
        const QString &value, bool offerSilence)
        = 0;

    // An error message with the title "Error", an OK button and the critical icon.
    void error(QWidget *parent, const QString &text)
    {
        message(parent, text, QStringLiteral("Error"), Buttons::Ok, Icon::Critical);
    }
};

// The real dialogs.
class QtDialogs : public Dialogs
{
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
        Icon icon) override;
    std::optional<QString> openFile(
        QWidget *parent, const QString &filter, const QString &directory) override;
    std::optional<QString> saveFile(
        QWidget *parent, const QString &filter, const QString &proposedPath) override;
    FontChoice chooseFont(QWidget *parent, const QFont &initial) override;
    bool pageSetup(QWidget *parent, QPrinter *printer) override;
    bool print(QWidget *parent, QPrinter *printer) override;
    std::optional<Credentials> signIn(QWidget *parent, const QString &host, const QString &realm,
        const QString &user, bool retry) override;
    PageDialogAnswer pageDialog(QWidget *window, PageDialogKind kind, const QString &text,
        const QString &value, bool offerSilence) override;

private:
    QString startPath(const QString &given) const;
    // Notes the folder of a chosen path; nothing when the user cancelled (an empty path).
    std::optional<QString> chosen(const QString &path);

    QString m_lastFolder;
};
