// SPDX-License-Identifier: GPL-3.0-or-later
// What windows closed with File > Exit leave behind: opens a browser window with Ctrl+T and exits
// it with Ctrl+Q, as a user does, a number of times (50 by default), then prints the resident
// memory and the process count of the whole program, engine helper processes included, before and
// after.
#include "app/application.h"
#include "app/framewindow.h"
#include "browser/browserwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int loadTimeoutMs = 30000;
constexpr int settleMs = 3000; // for helper processes of discarded pages to go

// The resident memory in kB of process `pid` and its descendants, and how many they are.
void addTree(const QString &pid, qint64 &kilobytes, int &processes)
{
    QFile statmFile(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statmFile.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> statm = statmFile.readAll().split(' ');
    if (statm.size() < 2)
        return;
    kilobytes += statm.at(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024);
    ++processes;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks.filePath(task + QStringLiteral("/children")));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &child : children.readAll().split(' ')) {
            if (!child.trimmed().isEmpty())
                addTree(QString::fromLatin1(child.trimmed()), kilobytes, processes);
        }
    }
}

void report(const char *when, int windows)
{
    QTest::qWait(settleMs);
    qint64 kilobytes = 0;
    int processes = 0;
    addTree(QString::number(QCoreApplication::applicationPid()), kilobytes, processes);
    std::printf("%-7s %3d windows  %8.1f MB  %3d processes\n", when, windows,
        double(kilobytes) / 1024, processes);
    std::fflush(stdout);
}

// Sends a key with Ctrl to whatever has the focus in the frame, as typing does.
void press(FrameWindow *frame, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : frame, key, Qt::ControlModifier);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? QByteArray(argv[1]).toInt() : 50;
    QTemporaryDir dir;
    Application application(dir.path() + u'/');
    QSignalSpy firstLoaded(&application, &Application::pagesLoaded);
    application.start();
    FrameWindow *frame = application.frame();
    if (!firstLoaded.wait(loadTimeoutMs) || !QTest::qWaitForWindowActive(frame))
        return 1;
    report("before", 1);
    for (int i = 0; i < cycles; ++i) {
        press(frame, Qt::Key_T);
        QMdiSubWindow *newest = frame->mdiArea()->subWindowList(QMdiArea::CreationOrder).last();
        auto *window = qobject_cast<BrowserWindow *>(newest->widget());
        QSignalSpy loaded(window->webControl(), &WebControl::documentComplete);
        if (!loaded.wait(loadTimeoutMs))
            return 1;
        press(frame, Qt::Key_Q);
        if (!newest->isHidden())
            return 1;
    }
    report("after", int(frame->mdiArea()->subWindowList().size()));
    return 0;
}
