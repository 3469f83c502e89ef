// SPDX-License-Identifier: GPL-3.0-or-later
// The text pad with a very large plain file, one timed run of each step a user takes: opening it
// through the window's Open (the title shows "Loading..." meanwhile), then Ctrl+End, Ctrl+Home,
// Page Down and typing one character, each with the repaint that follows (targets: usable within
// 30 s, each key within 1 s). Run by bench/large-file.sh; the size in MB is the first argument.
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QString writeFile(const QTemporaryDir &dir, qint64 megabytes)
{
    const QByteArray line
        = "The quick brown fox jumps over the lazy dog; caf\xC3\xA9 na\xC3\xAFve 0123456789.\n";
    const QString path = dir.filePath(QStringLiteral("large.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray block = line.repeated(16384);
    for (qint64 written = 0; written < megabytes * 1024 * 1024; written += block.size())
        file.write(block);
    return path;
}

template <typename Step> void timed(const char *name, Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    std::printf("%-28s %8lld ms\n", name, timer.elapsed());
    std::fflush(stdout);
}

void key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 200;
    QTemporaryDir dir;
    const QString path = writeFile(dir, megabytes);
    ScriptedDialogs dialogs;
    FakeWorkspace workspace;
    FakeLauncher launcher;
    TextPadWindow window(dialogs, workspace, launcher);
    window.show();
    QApplication::processEvents();
    bool loadingShown = false;
    QObject::connect(&window, &QWidget::windowTitleChanged, [&](const QString &title) {
        loadingShown = loadingShown || title.contains(QStringLiteral("Loading..."));
    });
    RichTextControl *tb = window.document();
    std::printf("%lld MB plain file\n", megabytes);
    timed("open until usable", [&] {
        dialogs.openAnswers.enqueue(path);
        window.findChild<QAction *>(QStringLiteral("op"))->trigger();
    });
    std::printf("title showed \"Loading...\": %s\n", loadingShown ? "yes" : "no");
    timed("Ctrl+End", [&] { key(tb, Qt::Key_End, Qt::ControlModifier); });
    timed("Ctrl+Home", [&] { key(tb, Qt::Key_Home, Qt::ControlModifier); });
    timed("Page Down", [&] { key(tb, Qt::Key_PageDown, Qt::NoModifier); });
    timed("typing a character", [&] { key(tb, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")); });
    return 0;
}
