// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// Records every dialog the code under test opens and answers from prepared queues, so no test ever
// blocks on a modal window. An unprepared message is answered Cancel (or Ok for an OK-only box), an
// unprepared file dialog is cancelled and an unprepared font dialog is cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    struct Message
    {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    QList<Message> messages;
    QQueue<Answer> answers;
    QQueue<std::optional<QString>> openAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    QQueue<FontChoice> fontAnswers;
    QList<QFont> fontRequests;
    int openRequests = 0;
    int saveRequests = 0;
    bool acceptPrinting = true;
    int printRequests = 0;
    int pageSetupRequests = 0;

    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
        Icon icon) override;
    std::optional<QString> openFile(
        QWidget *parent, const QString &filter, const QString &directory) override;
    std::optional<QString> saveFile(
        QWidget *parent, const QString &filter, const QString &proposedPath) override;
    FontChoice chooseFont(QWidget *parent, const QFont &initial) override;
    bool pageSetup(QWidget *parent, QPrinter *printer) override;
    bool print(QWidget *parent, QPrinter *printer) override;
    std::optional<Credentials> signIn(
        QWidget *parent, const QString &host, const QString &realm) override;
    PageDialogAnswer pageDialog(QWidget *window, PageDialogKind kind, const QString &text,
        const QString &value, bool offerSilence) override;

    // Sign-in requests as "host realm"; unprepared ones are cancelled.
    QStringList signInRequests;
    QQueue<std::optional<Credentials>> signInAnswers;
    // Page dialogs as "text" or "text [silence offered]"; unprepared ones are cancelled.
    QStringList pageDialogs;
    QQueue<PageDialogAnswer> pageDialogAnswers;

    QString lastFilter;
    QString lastStart; // the folder Open started in, or the path Save proposed
};
