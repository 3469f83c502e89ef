// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/pagerequests.h"

#include "browser/core/questionqueue.h"
#include "browser/webcontrol/qtwebengine/sitepermissions.h"
#include "browser/webcontrol/webcontrol.h"

#include <QAuthenticator>
#include <QPointer>
#include <QWebEngineCertificateError>
#include <QWebEngineProfile>
#include <memory>

PageRequests::PageRequests(QWebEnginePage *page, WebControl *control, QuestionQueue &questions)
    : QObject(control)
    , m_page(page)
    , m_control(control)
    , m_questions(questions)
{
    connect(page, &QWebEnginePage::authenticationRequired, this,
        [this](const QUrl &url, QAuthenticator *authenticator) {
            signIn(url, authenticator, url.host());
        });
    connect(page, &QWebEnginePage::proxyAuthenticationRequired, this,
        [this](const QUrl &url, QAuthenticator *authenticator, const QString &proxyHost) {
            signIn(url, authenticator, proxyHost);
        });
    connect(page, &QWebEnginePage::certificateError, this, &PageRequests::onCertificateError);
    connect(page, &QWebEnginePage::featurePermissionRequested, this, &PageRequests::onPermission);
}

QString PageRequests::featureName(QWebEnginePage::Feature feature)
{
    switch (feature) {
    case QWebEnginePage::Geolocation:
        return tr("location");
    case QWebEnginePage::MediaAudioCapture:
        return tr("microphone");
    case QWebEnginePage::MediaVideoCapture:
        return tr("camera");
    case QWebEnginePage::MediaAudioVideoCapture:
        return tr("camera and microphone");
    case QWebEnginePage::Notifications:
        return tr("notifications");
    case QWebEnginePage::MouseLock:
        return tr("mouse pointer");
    case QWebEnginePage::DesktopVideoCapture:
        return tr("screen");
    case QWebEnginePage::DesktopAudioVideoCapture:
        return tr("screen and its sound");
    }
    return tr("device");
}

void PageRequests::signIn(const QUrl &, QAuthenticator *authenticator, const QString &host)
{
    // The engine needs the answer before this returns; a request made while another question of
    // the page is open is refused.
    WebControl::SignInRequest request { host, authenticator->realm() };
    const QString place = host + u'\n' + request.realm;
    if (place == m_signedInPlace) {
        request.retry = true;
        request.user = m_signedInUser;
    }
    m_questions.askNow([&] {
        emit m_control->signInRequested(request);
        return request.accepted;
    });
    m_signedInPlace = request.accepted ? place : QString();
    m_signedInUser = request.user;
    if (request.accepted) {
        authenticator->setUser(request.user);
        authenticator->setPassword(request.password);
    } else {
        // An empty authenticator cancels the sign-in: the page shows its own error.
        *authenticator = QAuthenticator();
    }
}

void PageRequests::onCertificateError(const QWebEngineCertificateError &error)
{
    if (!error.isOverridable()) {
        auto refused = error;
        refused.rejectCertificate();
        return;
    }
    auto deferred = error;
    deferred.defer();
    const QString text
        = tr("The site's security certificate is not trusted...\n\n%1\n%2\n\nGo on to the site?")
              .arg(error.url().host(), error.description());
    m_questions.ask([this, text] { return ask(text); },
        [deferred](bool yes) mutable {
            // The engine remembers an accepted certificate for its host until the program ends.
            if (yes)
                deferred.acceptCertificate();
            else
                deferred.rejectCertificate();
        });
}

void PageRequests::onPermission(const QUrl &origin, QWebEnginePage::Feature feature)
{
    SitePermissions &memory = SitePermissions::of(m_page->profile());
    const QString host = origin.host().isEmpty() ? origin.toString() : origin.host();
    auto grant = [page = QPointer<QWebEnginePage>(m_page), origin, feature](bool yes) {
        if (page) {
            page->setFeaturePermission(origin, feature,
                yes ? QWebEnginePage::PermissionGrantedByUser
                    : QWebEnginePage::PermissionDeniedByUser);
        }
    };
    if (const auto known = memory.answer(host, feature)) {
        grant(*known);
        return;
    }
    const QString text = tr("Allow %1 to use your %2?").arg(host, featureName(feature));
    // A refusal made without asking (the page was refused) is not the user's answer to keep.
    auto asked = std::make_shared<bool>(false);
    m_questions.ask(
        [this, text, asked] {
            *asked = true;
            return ask(text);
        },
        [&memory, host, feature, grant, asked](bool yes) {
            if (*asked)
                memory.remember(host, feature, yes);
            grant(yes);
        });
}

bool PageRequests::ask(const QString &text)
{
    WebControl::Question question { text };
    emit m_control->questionAsked(question);
    return question.yes;
}
