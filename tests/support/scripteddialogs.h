// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// Records every dialog the code under test opens and answers from prepared queues, so no test ever
// blocks on a modal window. Unprepared, a message is answered Cancel (Ok for an OK-only box) and
// every other dialog is cancelled; printing is always accepted.
class ScriptedDialogs : public Dialogs
{
public:
    struct Message
    {
        QString text;
        QString title;
        Buttons buttons;
    };

    Answer message(
        QWidget *, const QString &text, const QString &title, Buttons buttons, Icon) override
    {
        messages.append({ text, title, buttons });
        return next(answers, buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
    }
    std::optional<QString> openFile(QWidget *, const QString &, const QString &directory) override
    {
        lastStart = directory;
        return next(openAnswers, {});
    }
    std::optional<QString> saveFile(QWidget *, const QString &, const QString &proposed) override
    {
        lastStart = proposed;
        return next(saveAnswers, {});
    }
    FontChoice chooseFont(QWidget *, const QFont &initial) override
    {
        fontRequests.append(initial);
        return next(fontAnswers, { initial, false });
    }
    bool pageSetup(QWidget *, QPrinter *) override { return ++pageSetupRequests; }
    bool print(QWidget *, QPrinter *) override { return ++printRequests; }
    std::optional<Credentials> signIn(QWidget *, const QString &host, const QString &realm,
        const QString &user, bool retry) override
    {
        signInRequests.append(host + u' ' + realm + (retry ? u' ' + user : QString()));
        return next(signInAnswers, {});
    }
    PageDialogAnswer pageDialog(
        QWidget *, PageDialogKind, const QString &text, const QString &, bool offerSilence) override
    {
        pageDialogs.append(offerSilence ? text + QStringLiteral(" [silence offered]") : text);
        return next(pageDialogAnswers, {});
    }

    QList<Message> messages;
    QQueue<Answer> answers;
    QQueue<std::optional<QString>> openAnswers;
    QQueue<std::optional<QString>> saveAnswers;
    QQueue<FontChoice> fontAnswers;
    QList<QFont> fontRequests;
    int pageSetupRequests = 0;
    int printRequests = 0;
    QString lastStart; // the folder Open started in, or the path Save proposed
    // Sign-in requests as "host realm".
    QStringList signInRequests;
    QQueue<std::optional<Credentials>> signInAnswers;
    // Page dialogs as "text" or "text [silence offered]".
    QStringList pageDialogs;
    QQueue<PageDialogAnswer> pageDialogAnswers;

private:
    template <typename T> static T next(QQueue<T> &queue, const T &unprepared)
    {
        return queue.isEmpty() ? unprepared : queue.dequeue();
    }
};
