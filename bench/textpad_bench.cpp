// SPDX-License-Identifier: GPL-3.0-or-later
// The text pad with large documents: opening a 10 MB plain file and the 5 MB RTF document through
// the window's Open against the pad's rich text control loading the same file (target: at most 1.2
// times), the control's plain load against QTextEdit::setPlainText of the decoded text (target: at
// most 1.1 times), and one tick of the change monitor on 10 MB (target: under 5 ms), unchanged and
// right after a keystroke (compare with the keystroke alone). Replace All of a word occurring
// 100,000 times in 10 MB through the find bar (target: under 1 s), and a search for the last word
// from the top, and a keystroke with the document on screen. Compare CPU times on a busy machine.
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/changemonitor.h"
#include "textpad/core/plaintextformat.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

// A 10 MB plain text file with LF breaks and a few accented words, written once per run.
class PlainFile
{
public:
    static const PlainFile &instance()
    {
        static const PlainFile file;
        return file;
    }

    QString path;
    QString decoded; // as the document takes it in

private:
    PlainFile()
    {
        const QByteArray line
            = "The quick brown fox jumps over the lazy dog; caf\xC3\xA9 na\xC3\xAFve 0123456789.\n";
        QByteArray bytes;
        bytes.reserve(10 * 1024 * 1024 + line.size());
        while (bytes.size() < 10 * 1024 * 1024)
            bytes += line;
        path = m_dir.filePath(QStringLiteral("large.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        decoded = textpad::decodePlainText(bytes).text;
    }

    QTemporaryDir m_dir;
};

// The word processor's 5 MB document.
QString rtfPath()
{
    return QStringLiteral(BENCH_DATA_DIR "/large.libreoffice.rtf");
}

struct Pad
{
    ScriptedDialogs dialogs;
    FakeWorkspace workspace;
    FakeLauncher launcher;
    TextPadWindow window { dialogs, workspace, launcher };

    void open(const QString &path)
    {
        dialogs.openAnswers.enqueue(path);
        window.findChild<QAction *>(QStringLiteral("op"))->trigger();
    }
};

void BM_PlainSetPlainTextBaseline(benchmark::State &state)
{
    const PlainFile &file = PlainFile::instance();
    QTextEdit edit;
    for (auto _ : state)
        edit.setPlainText(file.decoded);
}
BENCHMARK(BM_PlainSetPlainTextBaseline)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_PlainControlLoad(benchmark::State &state)
{
    const PlainFile &file = PlainFile::instance();
    RichTextControl control;
    for (auto _ : state)
        control.loadFile(file.path);
}
BENCHMARK(BM_PlainControlLoad)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_PlainPadControlLoad(benchmark::State &state)
{
    const PlainFile &file = PlainFile::instance();
    Pad pad;
    for (auto _ : state)
        pad.window.document()->loadFile(file.path);
}
BENCHMARK(BM_PlainPadControlLoad)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_PlainWindowOpen(benchmark::State &state)
{
    const PlainFile &file = PlainFile::instance();
    Pad pad;
    for (auto _ : state)
        pad.open(file.path);
}
BENCHMARK(BM_PlainWindowOpen)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_RtfPadControlLoad(benchmark::State &state)
{
    Pad pad;
    for (auto _ : state)
        pad.window.document()->loadFile(rtfPath());
}
BENCHMARK(BM_RtfPadControlLoad)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_RtfWindowOpen(benchmark::State &state)
{
    Pad pad;
    for (auto _ : state)
        pad.open(rtfPath());
}
BENCHMARK(BM_RtfWindowOpen)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_MonitorTickUnchanged(benchmark::State &state)
{
    Pad pad;
    pad.open(PlainFile::instance().path);
    ChangeMonitor *monitor = pad.window.findChild<ChangeMonitor *>();
    for (auto _ : state)
        monitor->tick();
}
BENCHMARK(BM_MonitorTickUnchanged)->Unit(benchmark::kMicrosecond);

void keystrokes(benchmark::State &state, bool tick)
{
    Pad pad;
    pad.open(PlainFile::instance().path);
    RichTextControl *tb = pad.window.document();
    tb->setSelStart(5 * 1024 * 1024);
    ChangeMonitor *monitor = pad.window.findChild<ChangeMonitor *>();
    for (auto _ : state) {
        tb->setSelText(QStringLiteral("\u00E9"));
        if (tick)
            monitor->tick();
    }
}

void BM_KeystrokeAlone(benchmark::State &state)
{
    keystrokes(state, false);
}
BENCHMARK(BM_KeystrokeAlone)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeThenMonitorTick(benchmark::State &state)
{
    keystrokes(state, true);
}
BENCHMARK(BM_KeystrokeThenMonitorTick)->Unit(benchmark::kMicrosecond);

// About 10 MB with one "fox" on each of its 100,000 lines.
QString foxes()
{
    const QString line = QStringLiteral(
        "The quick brown fox jumps over the lazy dog; 0123456789 abcdefghij klmnopqrstuvw.\n");
    return line.repeated(100000);
}

template <typename T> T *findBar(Pad &pad, const char *name)
{
    return pad.window.findChild<QWidget *>(QStringLiteral("findBar"))
        ->findChild<T *>(QLatin1String(name));
}

void BM_ReplaceAll100000In10MB(benchmark::State &state)
{
    const QString text = foxes();
    Pad pad;
    pad.window.show();
    pad.window.findChild<QAction *>(QStringLiteral("findrep"))->trigger();
    findBar<QLineEdit>(pad, "findText")->setText(QStringLiteral("fox"));
    findBar<QLineEdit>(pad, "replaceText")->setText(QStringLiteral("wolf"));
    for (auto _ : state) {
        state.PauseTiming();
        pad.window.document()->setText(text);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        findBar<QToolButton>(pad, "replaceAll")->click();
        QCoreApplication::processEvents(); // the view catches up, as it would on screen
    }
    if (findBar<QLabel>(pad, "findStatus")->text() != QStringLiteral("Replaced 100000 occurrences"))
        state.SkipWithError("not every occurrence was replaced");
}
BENCHMARK(BM_ReplaceAll100000In10MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindLastWordIn10MB(benchmark::State &state)
{
    Pad pad;
    pad.window.document()->setText(foxes() + QStringLiteral("last"));
    pad.window.findChild<QAction *>(QStringLiteral("findrep"))->trigger();
    findBar<QLineEdit>(pad, "findText")->setText(QStringLiteral("last"));
    for (auto _ : state) {
        pad.window.document()->setSelStart(0);
        pad.window.findChild<QAction *>(QStringLiteral("findNextMatch"))->trigger();
    }
}
BENCHMARK(BM_FindLastWordIn10MB)->Unit(benchmark::kMillisecond);

// A keystroke in the middle of a document on screen: the edit, its layout and the repaint
// (target: at most 2 ms median).
void typeInTheMiddle(benchmark::State &state, const QString &path)
{
    Pad pad;
    pad.open(path);
    pad.window.show();
    RichTextControl *tb = pad.window.document();
    tb->document()->documentLayout()->documentSize(); // the first layout is not the keystroke's
    tb->setSelStart(tb->document()->characterCount() / 2);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(tb, &press);
        QApplication::processEvents();
    }
}

void BM_KeystrokeOnScreenPlain(benchmark::State &state)
{
    typeInTheMiddle(state, PlainFile::instance().path);
}
BENCHMARK(BM_KeystrokeOnScreenPlain)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

void BM_KeystrokeOnScreenRtf(benchmark::State &state)
{
    typeInTheMiddle(state, rtfPath());
}
BENCHMARK(BM_KeystrokeOnScreenRtf)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
