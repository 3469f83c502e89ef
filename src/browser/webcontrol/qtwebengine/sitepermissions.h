// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QString>
#include <optional>

class QWebEngineProfile;

// The user's answers to sites asking for a feature (camera, location...), kept per host and
// feature for as long as the profile lives, which is this run.
class SitePermissions : public QObject
{
    Q_OBJECT

public:
    // The one memory of `profile`, made on first use.
    static SitePermissions &of(QWebEngineProfile *profile);

    std::optional<bool> answer(const QString &host, int feature) const;
    void remember(const QString &host, int feature, bool allowed);

private:
    using QObject::QObject;

    QHash<QPair<QString, int>, bool> m_answers;
};
