// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageengineloader.h"

#include "browser/webcontrol/pageenginemodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QTimer>
#include <QWindow>

// Qt's own setter of the shared context, the one the web engine uses when it makes the context
// itself; Qt has no public one.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {
const QString moduleName = QStringLiteral("/libwebviewer_engine.so");

// Qt and the engine use the context until the program ends.
void makeSharedOpenGLContext(QThread *userInterfaceThread)
{
    auto *context = new QOpenGLContext;
    if (!context->create()) {
        delete context;
        return;
    }
    context->moveToThread(userInterfaceThread);
    qt_gl_set_global_share_context(context);
}
} // namespace

PageEngineLoader::PageEngineLoader(
    const QStringList &modulePaths, PageEngine::PathChooser choosePath, QObject *engineParent)
    : QObject(engineParent)
    , m_modulePaths(modulePaths)
    , m_choosePath(std::move(choosePath))
    , m_openGL(makeSharedOpenGLContext, QCoreApplication::instance()->thread())
{
}

PageEngineLoader::~PageEngineLoader()
{
    waitForOpenGL();
}

QStringList PageEngineLoader::programModulePaths()
{
    const QString programDirectory = QCoreApplication::applicationDirPath();
    return { programDirectory + moduleName,
        programDirectory + QStringLiteral("/" WEBVIEWER_ENGINE_DIR) + moduleName };
}

void PageEngineLoader::waitForOpenGL()
{
    if (m_openGL.joinable())
        m_openGL.join();
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
    // The engine's libraries look for the shared context as they load.
    waitForOpenGL();
    QString reason;
    if (PageEngine *engine = makeEngine(&reason))
        emit loaded(engine);
    else
        emit failed(reason);
}

PageEngine *PageEngineLoader::makeEngine(QString *reason)
{
    QStringList missing;
    for (const QString &path : std::as_const(m_modulePaths)) {
        const QString file = QDir::cleanPath(path);
        if (!QFileInfo::exists(file)) {
            missing.append(QDir::toNativeSeparators(file));
            continue;
        }
        // The module stays loaded for as long as the program runs: its engine does.
        QLibrary module(file);
        if (auto create
            = reinterpret_cast<CreatePageEngine>(module.resolve(createPageEngineSymbol)))
            return create(m_choosePath, parent());
        *reason = module.isLoaded() ? tr("%1 is not the web engine's module.").arg(file)
                                    : module.errorString();
        return nullptr;
    }
    *reason
        = tr("Its module is in none of these places: %1.").arg(missing.join(QStringLiteral(", ")));
    return nullptr;
}
