// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/qtwebengine/sitepermissions.h"

#include <QWebEngineProfile>

SitePermissions &SitePermissions::of(QWebEngineProfile *profile)
{
    auto *memory = profile->findChild<SitePermissions *>(QString(), Qt::FindDirectChildrenOnly);
    return memory ? *memory : *new SitePermissions(profile);
}

std::optional<bool> SitePermissions::answer(const QString &host, int feature) const
{
    const auto found = m_answers.constFind({ host, feature });
    if (found == m_answers.constEnd())
        return std::nullopt;
    return *found;
}

void SitePermissions::remember(const QString &host, int feature, bool allowed)
{
    m_answers.insert({ host, feature }, allowed);
}
