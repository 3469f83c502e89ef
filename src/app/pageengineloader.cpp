// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageengineloader.h"

#include "browser/webcontrol/pageenginemodule.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibrary>
#include <QTimer>
#include <QWindow>

namespace {
const QString moduleName = QStringLiteral("/libwebviewer_engine.so");
}

PageEngineLoader::PageEngineLoader(
    const QStringList &modulePaths, PageEngine::PathChooser choosePath, QObject *engineParent)
    : QObject(engineParent)
    , m_modulePaths(modulePaths)
    , m_choosePath(std::move(choosePath))
    , m_engineParent(engineParent)
{
}

QStringList PageEngineLoader::programModulePaths()
{
    const QString programDirectory = QCoreApplication::applicationDirPath();
    return { programDirectory + moduleName,
        programDirectory + QStringLiteral("/" WEBVIEWER_ENGINE_DIR) + moduleName };
}

void PageEngineLoader::loadAfterFirstPaint(QWindow *window)
{
    if (m_tried)
        return;
    if (window->isExposed())
        QTimer::singleShot(0, this, &PageEngineLoader::load);
    else
        window->installEventFilter(this);
}

// The window paints while it handles its first expose; the engine loads after that.
bool PageEngineLoader::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &PageEngineLoader::load);
    }
    return false;
}

void PageEngineLoader::load()
{
    if (std::exchange(m_tried, true))
        return;
    QString reason;
    if (PageEngine *engine = makeEngine(&reason))
        emit loaded(engine);
    else
        emit failed(reason);
}

PageEngine *PageEngineLoader::makeEngine(QString *reason)
{
    for (const QString &path : std::as_const(m_modulePaths)) {
        QLibrary module(path);
        // The module stays loaded for as long as the program runs: its engine does.
        if (auto create
            = reinterpret_cast<CreatePageEngine>(module.resolve(createPageEngineSymbol)))
            return create(m_choosePath, m_engineParent);
        *reason = module.errorString();
    }
    return nullptr;
}
