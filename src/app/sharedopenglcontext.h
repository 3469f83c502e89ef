// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <thread>

class QOpenGLContext;

// The OpenGL context that the pages' drawing shares with the windows, which Qt needs before the
// first window with a page is shown. Making it loads the graphics driver, which takes longer than
// building that window, so it is made on a thread of its own meanwhile.
class SharedOpenGLContext
{
public:
    // Starts making the context; the application object must exist.
    SharedOpenGLContext();
    ~SharedOpenGLContext();
    SharedOpenGLContext(const SharedOpenGLContext &) = delete;
    SharedOpenGLContext &operator=(const SharedOpenGLContext &) = delete;

    // Waits for the context and gives it to Qt (once; later calls do nothing). Without OpenGL
    // there is none, and the engine draws pages without sharing.
    void install();

private:
    std::unique_ptr<QOpenGLContext> m_context;
    std::thread m_maker; // after m_context, which it fills
};
