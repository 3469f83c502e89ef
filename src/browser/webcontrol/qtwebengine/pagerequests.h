// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QWebEnginePage>

class QAuthenticator;
class QWebEngineCertificateError;
class QuestionQueue;
class WebControl;

// What the engine asks on behalf of a page (sign-in, certificates, features) turned into the
// control's requests, one question at a time. Nothing is allowed without the user's Yes.
class PageRequests : public QObject
{
    Q_OBJECT

public:
    PageRequests(QWebEnginePage *page, WebControl *control, QuestionQueue &questions);

    // The text of a feature in "Allow <host> to use your <feature>?".
    static QString featureName(QWebEnginePage::Feature feature);

private:
    void signIn(const QUrl &url, QAuthenticator *authenticator, const QString &host);
    void onCertificateError(const QWebEngineCertificateError &error);
    void onPermission(const QUrl &origin, QWebEnginePage::Feature feature);
    bool ask(const QString &text);

    QWebEnginePage *m_page;
    WebControl *m_control;
    QuestionQueue &m_questions;
    // Where the last sign-in went (host and realm), and as whom.
    QString m_signedInPlace;
    QString m_signedInUser;
};
