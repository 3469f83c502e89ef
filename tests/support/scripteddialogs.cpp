// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripteddialogs.h"

Dialogs::Answer ScriptedDialogs::message(
    QWidget *, const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    messages.append({ text, title, buttons, icon });
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> ScriptedDialogs::openFile(
    QWidget *, const QString &filter, const QString &directory)
{
    ++openRequests;
    lastFilter = filter;
    lastStart = directory;
    return openAnswers.isEmpty() ? std::nullopt : openAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::saveFile(
    QWidget *, const QString &filter, const QString &proposedPath)
{
    ++saveRequests;
    lastFilter = filter;
    lastStart = proposedPath;
    return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.dequeue();
}

Dialogs::FontChoice ScriptedDialogs::chooseFont(QWidget *, const QFont &initial)
{
    fontRequests.append(initial);
    if (!fontAnswers.isEmpty())
        return fontAnswers.dequeue();
    return { initial, false };
}

bool ScriptedDialogs::pageSetup(QWidget *, QPrinter *)
{
    ++pageSetupRequests;
    return acceptPrinting;
}

bool ScriptedDialogs::print(QWidget *, QPrinter *)
{
    ++printRequests;
    return acceptPrinting;
}

std::optional<Dialogs::Credentials> ScriptedDialogs::signIn(
    QWidget *, const QString &host, const QString &realm)
{
    signInRequests.append(host + u' ' + realm);
    return signInAnswers.isEmpty() ? std::nullopt : signInAnswers.dequeue();
}

Dialogs::PageDialogAnswer ScriptedDialogs::pageDialog(
    QWidget *, PageDialogKind, const QString &text, const QString &, bool offerSilence)
{
    pageDialogs.append(offerSilence ? text + QStringLiteral(" [silence offered]") : text);
    return pageDialogAnswers.isEmpty() ? PageDialogAnswer() : pageDialogAnswers.dequeue();
}
