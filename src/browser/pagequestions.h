// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/webcontrol.h"

#include <QObject>

class Dialogs;
class QWidget;

// Answers what a window's page asks of the user (sign-in, Yes/No questions about the site, the
// page's own dialogs) through the dialog service.
class PageQuestions : public QObject
{
    Q_OBJECT

public:
    PageQuestions(WebControl *web, Dialogs &dialogs, QWidget *window);

private:
    void signIn(WebControl::SignInRequest &request);
    void ask(WebControl::Question &question);
    void showPageDialog(WebControl::PageDialogRequest &request);

    Dialogs &m_dialogs;
    QWidget *m_window;
};
