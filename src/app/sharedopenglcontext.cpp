// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedopenglcontext.h"

#include <QCoreApplication>
#include <QOpenGLContext>

// Qt's own setter of the shared context, the one the web engine uses when it makes the context
// itself; Qt has no public one.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

SharedOpenGLContext::SharedOpenGLContext()
    : m_maker([this, mainThread = QCoreApplication::instance()->thread()] {
        m_context = std::make_unique<QOpenGLContext>();
        m_context->create();
        m_context->moveToThread(mainThread);
    })
{
}

SharedOpenGLContext::~SharedOpenGLContext()
{
    if (m_maker.joinable())
        m_maker.join();
}

void SharedOpenGLContext::install()
{
    if (!m_maker.joinable())
        return;
    m_maker.join();
    // Qt and the engine use it until the program ends.
    if (m_context->isValid())
        qt_gl_set_global_share_context(m_context.release());
}
