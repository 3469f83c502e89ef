// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/webcontrol/download.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class WebControl;

// The web engine behind the pages, as the program sees it: it makes each page's control and
// reports the downloads its pages start. The engine on QtWebEngine lives in a module of its own
// (see createPageEngine in pageenginemodule.h), so that the program is drawn before the engine's
// libraries are loaded.
class PageEngine : public QObject
{
    Q_OBJECT

public:
    // Asks the user where to save a download, starting from `proposedPath`; nothing when the user
    // cancels.
    using PathChooser
        = std::function<std::optional<QString>(QWidget *parent, const QString &proposedPath)>;

    using QObject::QObject;

    // The control of a new page, loaded with nothing yet; the caller owns it.
    virtual WebControl *createControl() = 0;

signals:
    // The download belongs to the engine and lives as long as it does.
    void downloadStarted(Download *download);
};
