// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/pagequestions.h"

#include "browser/core/pageevents.h"
#include "common/dialogs.h"

#include <QWidget>

PageQuestions::PageQuestions(WebControl *web, Dialogs &dialogs, QWidget *window)
    : QObject(window)
    , m_dialogs(dialogs)
    , m_window(window)
{
    connect(web, &WebControl::signInRequested, this, &PageQuestions::signIn, Qt::DirectConnection);
    connect(web, &WebControl::questionAsked, this, &PageQuestions::ask, Qt::DirectConnection);
    connect(web, &WebControl::pageDialogRequested, this, &PageQuestions::showPageDialog,
        Qt::DirectConnection);
}

void PageQuestions::signIn(WebControl::SignInRequest &request)
{
    const auto credentials
        = m_dialogs.signIn(m_window, request.host, request.realm, request.user, request.retry);
    request.accepted = credentials.has_value();
    if (credentials) {
        request.user = credentials->user;
        request.password = credentials->password;
    }
}

void PageQuestions::ask(WebControl::Question &question)
{
    question.yes = m_dialogs.message(m_window, question.text, PageEvents::productName,
                       Dialogs::Buttons::YesNoDefaultNo, Dialogs::Icon::Question)
        == Dialogs::Answer::Yes;
}

void PageQuestions::showPageDialog(WebControl::PageDialogRequest &request)
{
    const auto kind = request.kind == WebControl::PageDialogKind::Alert
        ? Dialogs::PageDialogKind::Alert
        : request.kind == WebControl::PageDialogKind::Confirm ? Dialogs::PageDialogKind::Confirm
                                                              : Dialogs::PageDialogKind::Prompt;
    const auto answer
        = m_dialogs.pageDialog(m_window, kind, request.text, request.value, request.offerSilence);
    request.accepted = answer.accepted;
    request.value = answer.value;
    request.silence = answer.silence;
}
