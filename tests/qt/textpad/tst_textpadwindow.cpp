// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/changemonitor.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestTextPadWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void monitorReportsChangeAndPlainSize_data();
    void monitorReportsChangeAndPlainSize();
    void monitorCountsTheTextOfAnOpenedRtfFile();
    void monitorTicksEverySecond();
    void fontPropertiesCancelledOnUniformSelectionKeepsItsFormat();
    void fontPropertiesOnMixedFontsStartsFromTheLastFontAndUnifiesIt();
    void fontPropertiesPassesColourThroughAndAppliesEffects();
    void editTitleOpensTheContextMenuFromTheKeyboard();

private:
    QString monitorLine();
    void triggerFontProperties() { m_pad->findChild<QAction *>(QStringLiteral("fp"))->trigger(); }
    RichTextControl *selected(const QString &text, int start, int length);

    ScriptedDialogs *m_dialogs = nullptr;
    FakeWorkspace m_workspace;
    FakeLauncher m_launcher;
    TextPadWindow *m_pad = nullptr;
};

void TestTextPadWindow::init()
{
    m_dialogs = new ScriptedDialogs;
    m_pad = new TextPadWindow(*m_dialogs, m_workspace, m_launcher);
}

void TestTextPadWindow::cleanup()
{
    delete m_pad;
    delete m_dialogs;
}

QString TestTextPadWindow::monitorLine()
{
    m_pad->findChild<ChangeMonitor *>()->tick();
    // What a screen reader reads is the line itself.
    auto *panel = m_pad->findChild<QLabel *>(QStringLiteral("panel1"));
    return QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name);
}

RichTextControl *TestTextPadWindow::selected(const QString &text, int start, int length)
{
    RichTextControl *tb = m_pad->document();
    tb->setText(text);
    tb->setSelStart(start);
    tb->setSelLength(length);
    return tb;
}

// The size is that of the text saved as plain text: CR LF after every line, the last included.
void TestTextPadWindow::monitorReportsChangeAndPlainSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty, unchanged") << QString() << "No change detected with 2 bytes.";
    QTest::newRow("three lines") << "a\r\nb\r\nc"
                                 << "Change detected with 9 bytes.";
}

void TestTextPadWindow::monitorReportsChangeAndPlainSize()
{
    QFETCH(QString, text);
    if (!text.isEmpty())
        m_pad->document()->setText(text);
    QTEST(monitorLine(), "line");
}

void TestTextPadWindow::monitorCountsTheTextOfAnOpenedRtfFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("two.rtf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 Hello\\par World}");
    file.close();
    m_dialogs->openAnswers.enqueue(file.fileName());
    m_pad->findChild<QAction *>(QStringLiteral("op"))->trigger();
    QCOMPARE(m_pad->document()->text(), QStringLiteral("Hello\r\nWorld"));
    // Ten letters and two line ends, not the file's markup.
    QCOMPARE(monitorLine(), QStringLiteral("No change detected with 14 bytes."));
}

void TestTextPadWindow::monitorTicksEverySecond()
{
    auto *panel = m_pad->findChild<QLabel *>(QStringLiteral("panel1"));
    QTRY_COMPARE_WITH_TIMEOUT(
        panel->text(), QStringLiteral("No change detected with 2 bytes."), 3000);
    m_pad->hide(); // keeps ticking while hidden
    m_pad->document()->setText(QStringLiteral("x"));
    QTRY_COMPARE_WITH_TIMEOUT(panel->text(), QStringLiteral("Change detected with 3 bytes."), 3000);
}

void TestTextPadWindow::fontPropertiesCancelledOnUniformSelectionKeepsItsFormat()
{
    RichTextControl *tb = selected(QStringLiteral("some text"), 0, 4);
    tb->setSelBold(true);
    tb->setSelFontSize(12);
    const QString family = *tb->selFontName();
    QSignalSpy changes(tb, &RichTextControl::change);
    triggerFontProperties(); // no answer queued: cancelled
    QCOMPARE(changes.count(), 0); // nothing changed, so the document is still saved
    QCOMPARE(m_dialogs->fontRequests.size(), 1);
    QCOMPARE(m_dialogs->fontRequests.first().family(), family);
    QVERIFY(m_dialogs->fontRequests.first().bold());
    QCOMPARE(tb->selFontName(), std::optional<QString>(family));
    QCOMPARE(tb->selBold(), std::optional<bool>(true));
    QCOMPARE(tb->selFontSize(), std::optional<double>(12));
}

void TestTextPadWindow::fontPropertiesOnMixedFontsStartsFromTheLastFontAndUnifiesIt()
{
    RichTextControl *tb = selected(QStringLiteral("one two"), 0, 3);
    m_dialogs->fontAnswers.enqueue({ QFont(QStringLiteral("Serif"), 15), true });
    triggerFontProperties();
    tb->setSelStart(0);
    tb->setSelLength(7); // "one" in Serif, "two" in the pad's font
    QCOMPARE(tb->selFontName(), std::optional<QString>());
    triggerFontProperties(); // cancelled
    QCOMPARE(m_dialogs->fontRequests.last().family(), QStringLiteral("Serif"));
    QCOMPARE(tb->selFontName(), std::optional<QString>(QStringLiteral("Serif")));
    QCOMPARE(tb->selFontSize(), std::optional<double>(15));
}

void TestTextPadWindow::fontPropertiesPassesColourThroughAndAppliesEffects()
{
    RichTextControl *tb = selected(QStringLiteral("word"), 0, 4);
    tb->setSelColor(Qt::blue);
    tb->setSelUnderline(true);
    QFont offered(QStringLiteral("Serif"), 11);
    offered.setStrikeOut(true);
    m_dialogs->fontAnswers.enqueue({ offered, true });
    triggerFontProperties();
    QVERIFY(m_dialogs->fontRequests.first().underline());
    QCOMPARE(tb->selColor(), std::optional<QColor>(QColor(Qt::blue)));
    QCOMPARE(tb->selUnderline(), std::optional<bool>(false));
    QCOMPARE(tb->selStrikeThru(), std::optional<bool>(true));
    QCOMPARE(tb->selFontSize(), std::optional<double>(11));
}

void TestTextPadWindow::editTitleOpensTheContextMenuFromTheKeyboard()
{
    m_pad->document()->setText(QStringLiteral("text"));
    int popups = 0;
    m_pad->setPopupPresenter([&popups](QMenu *) { ++popups; });
    m_pad->show();
    m_pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pad));
    QTest::keyClick(m_pad->document(), Qt::Key_E, Qt::AltModifier);
    QCOMPARE(popups, 1);
}

QTEST_MAIN(TestTextPadWindow)
#include "tst_textpadwindow.moc"
