// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/textpad/padfixture.h"
#include "textpad/changemonitor.h"
#include "textpad/wordlistwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

namespace {
// A word list that offers "chosen" and counts what the pad asks of it.
struct FakeWordList : WordListWindow
{
    bool hasWordList() const override { return true; }
    void clearEntry() override { ++cleared; }
    void showWithFocusOnEntry() override { ++shown; }
    QString chosenWord() const override { return QStringLiteral("chosen"); }
    int cleared = 0;
    int shown = 0;
};
} // namespace

// The pad's own keys, Browse, word completion, its find bar, change monitor and font dialog, as the
// user reaches them; the rules behind them are tested on their own.
class TestTextPadWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void padKeysRunThePadsCommandsWhateverTheMenuShowed();
    void browseFocusesTheFirstBrowserWindow_data();
    void browseFocusesTheFirstBrowserWindow();
    void wordCompletionFollowsTheKeysOnlyWithAWordList();
    void findBarFindsStepsAndWraps();
    void replaceOneAndReplaceAll();
    void monitorReportsChangeAndPlainSize();
    void fontPropertiesStartFromTheSelectionAndApplyOnlyWhenAccepted();

private:
    RichTextControl *tb() const { return m_pad->tb(); }
    template <typename T> T *child(const char *name) const
    {
        return m_pad->window.findChild<T *>(QLatin1String(name));
    }
    void search(const QString &text);
    QString monitorLine();

    std::unique_ptr<PadFixture> m_pad;
};

void TestTextPadWindow::init()
{
    m_pad = std::make_unique<PadFixture>();
}

void TestTextPadWindow::cleanup()
{
    m_pad.reset();
}

// The pad's Copy empties the clipboard for an empty selection, where the editor's own would leave
// it; Paste stays on its key after a context menu that hid it.
void TestTextPadWindow::padKeysRunThePadsCommandsWhateverTheMenuShowed()
{
    QStringList shown; // the context menu's visible entries
    m_pad->window.setPopupPresenter([&shown](QMenu *menu) {
        for (QAction *action : menu->actions())
            shown << (action->isVisible() ? action->objectName() : QString());
    });
    QApplication::clipboard()->setText(QStringLiteral("old"));
    m_pad->setText(QStringLiteral("text"));
    QVERIFY(m_pad->showActive());
    QTest::keyClick(tb(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString());
    emit tb()->mouseUp(Qt::RightButton);
    QVERIFY(shown.contains(QStringLiteral("selall")) && !shown.contains(QStringLiteral("pas")));
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    tb()->setSelStart(0);
    QTest::keyClick(tb(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(tb()->text(), QStringLiteral("cliptext"));
}

void TestTextPadWindow::browseFocusesTheFirstBrowserWindow_data()
{
    QTest::addColumn<bool>("launcherFails");
    QTest::addColumn<QStringList>("firstWindowAddresses"); // what the first window is asked to show
    QTest::newRow("default browser") << false << QStringList { QString() };
    QTest::newRow("fallback") << true << QStringList { "http://example.org/a?b=c", QString() };
}

// Either way the pad goes down and the first browser window gets the focus; only the fallback
// navigates it.
void TestTextPadWindow::browseFocusesTheFirstBrowserWindow()
{
    QFETCH(bool, launcherFails);
    m_pad->launcher.fails = launcherFails;
    QWidget browser;
    m_pad->workspace.makeBrowser = [&browser](const QString &) {
        browser.show();
        return &browser;
    };
    QVERIFY(m_pad->showActive());
    m_pad->setText(QStringLiteral("go http://example.org/a?b=c now"), 3, 24);
    m_pad->trigger(QStringLiteral("brows"));
    QCOMPARE(m_pad->launcher.addresses, QStringList { "http://example.org/a?b=c" });
    QTEST(m_pad->workspace.firstWindowAddresses, "firstWindowAddresses");
    QTRY_VERIFY(m_pad->window.isMinimized());
    QTRY_VERIFY(browser.isActiveWindow());
}

// Without a word list the toggle says so and stays off. With one and the toggle on, every typed
// key clears the list's entry and a space or Enter shows the list again; its choice goes in at the
// caret.
void TestTextPadWindow::wordCompletionFollowsTheKeysOnlyWithAWordList()
{
    QVERIFY(m_pad->showActive());
    m_pad->trigger(QStringLiteral("autoword"));
    QCOMPARE(m_pad->dialogs.messages.value(0).text, QStringLiteral("No Wordlist Found!"));
    QVERIFY(!child<QAction>("autoword")->isChecked());
    FakeWordList words;
    m_pad->window.setWordListWindow(&words);
    QTest::keyClicks(tb(), QStringLiteral("ab "));
    m_pad->trigger(QStringLiteral("autoword"));
    QTest::keyClicks(tb(), QStringLiteral("cd "));
    QTest::keyClick(tb(), Qt::Key_Return);
    QCOMPARE(words.cleared, 4);
    QCOMPARE(words.shown, 3); // the toggle, the space and Enter
    m_pad->window.insertWord();
    QCOMPARE(tb()->text(), QStringLiteral("ab cd \r\nchosen"));
    m_pad->trigger(QStringLiteral("autoword"));
    QTest::keyClick(tb(), Qt::Key_Space);
    QCOMPARE(words.cleared, 4);
}

void TestTextPadWindow::search(const QString &text)
{
    m_pad->setText(QStringLiteral("<b>one</b> <B>two</B>\r\n<br>"));
    QVERIFY(m_pad->showActive());
    QTest::keyClick(tb(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClicks(child<QLineEdit>("findText"), text);
}

void TestTextPadWindow::findBarFindsStepsAndWraps()
{
    QVERIFY(child<QWidget>("findBar")->isHidden());
    search(QStringLiteral("b>"));
    auto *bar = child<QWidget>("findBar");
    QVERIFY(child<QLineEdit>("findText")->hasFocus());
    QCOMPARE(tb()->selStart(), 1);
    QCOMPARE(tb()->selText(), QStringLiteral("b>"));
    // The document keeps its place above the bar.
    QVERIFY(tb()->mapTo(&m_pad->window, QPoint(0, tb()->height())).y()
        <= bar->mapTo(&m_pad->window, QPoint()).y());
    child<QCheckBox>("findMatchCase")->setChecked(true);
    QTest::keyClick(tb(), Qt::Key_F3);
    QCOMPARE(tb()->selStart(), 8); // "</b>"; "<B>" does not match the case
    QTest::keyClick(tb(), Qt::Key_F3);
    QCOMPARE(tb()->selStart(), 1);
    QCOMPARE(child<QLabel>("findStatus")->text(),
        QStringLiteral("Reached the end of the document, continued from the top"));
    QTest::keyClick(tb(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(tb()->selStart(), 8);
    QTest::keyClick(child<QLineEdit>("findText"), Qt::Key_Escape);
    QVERIFY(bar->isHidden());
    QVERIFY(tb()->hasFocus());
}

void TestTextPadWindow::replaceOneAndReplaceAll()
{
    search(QStringLiteral("<b>"));
    child<QLineEdit>("replaceText")->setText(QStringLiteral("<i>"));
    child<QToolButton>("replaceOne")->click();
    QCOMPARE(tb()->text(), QStringLiteral("<i>one</b> <B>two</B>\r\n<br>"));
    QCOMPARE(tb()->selStart(), 11);
    QVERIFY(!m_pad->window.isSaved());
    child<QLineEdit>("findText")->setText(QStringLiteral("b"));
    child<QCheckBox>("findWholeWords")->setChecked(true);
    child<QLineEdit>("replaceText")->setText(QStringLiteral("strong"));
    child<QToolButton>("replaceAll")->click();
    QCOMPARE(tb()->text(), QStringLiteral("<i>one</strong> <strong>two</strong>\r\n<br>"));
    QCOMPARE(child<QLabel>("findStatus")->text(), QStringLiteral("Replaced 3 occurrences"));
    tb()->undo(); // all of them in one step
    QCOMPARE(tb()->text(), QStringLiteral("<i>one</b> <B>two</B>\r\n<br>"));
}

QString TestTextPadWindow::monitorLine()
{
    m_pad->window.findChild<ChangeMonitor *>()->tick();
    // What a screen reader reads is the line itself.
    return QAccessible::queryAccessibleInterface(child<QLabel>("panel1"))->text(QAccessible::Name);
}

// The size is that of the text saved as plain text: CR LF after every line, the last included;
// an opened RTF file counts its text, not its markup. The monitor ticks while the pad is hidden.
void TestTextPadWindow::monitorReportsChangeAndPlainSize()
{
    QCOMPARE(monitorLine(), QStringLiteral("No change detected with 2 bytes."));
    tb()->setText(QStringLiteral("a\r\nb\r\nc"));
    QCOMPARE(monitorLine(), QStringLiteral("Change detected with 9 bytes."));
    tb()->setText(QStringLiteral("x"));
    QTRY_COMPARE_WITH_TIMEOUT(
        child<QLabel>("panel1")->text(), QStringLiteral("Change detected with 3 bytes."), 3000);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("two.rtf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 Hello\\par World}");
    file.close();
    m_pad->dialogs.answers << Dialogs::Answer::No;
    m_pad->dialogs.openAnswers.enqueue(file.fileName());
    m_pad->trigger(QStringLiteral("op"));
    QCOMPARE(tb()->text(), QStringLiteral("Hello\r\nWorld"));
    QCOMPARE(monitorLine(), QStringLiteral("No change detected with 14 bytes."));
}

// Cancelled, the dialog changes nothing, so the document stays saved; accepted, it applies the
// font and its effects but leaves the colour, which it does not offer.
void TestTextPadWindow::fontPropertiesStartFromTheSelectionAndApplyOnlyWhenAccepted()
{
    m_pad->setText(QStringLiteral("some text"), 0, 4);
    tb()->setSelBold(true);
    tb()->setSelUnderline(true);
    tb()->setSelColor(Qt::blue);
    QSignalSpy changes(tb(), &RichTextControl::change);
    m_pad->trigger(QStringLiteral("fp"));
    QCOMPARE(changes.count(), 0);
    const QFont initial = m_pad->dialogs.fontRequests.value(0);
    QVERIFY(initial.bold() && initial.underline());
    QCOMPARE(initial.family(), *tb()->selFontName());
    QFont offered(QStringLiteral("Serif"), 11);
    offered.setStrikeOut(true);
    m_pad->dialogs.fontAnswers.enqueue({ offered, true });
    m_pad->trigger(QStringLiteral("fp"));
    QCOMPARE(tb()->selColor(), std::optional<QColor>(QColor(Qt::blue)));
    QCOMPARE(tb()->selBold(), std::optional<bool>(false));
    QCOMPARE(tb()->selStrikeThru(), std::optional<bool>(true));
    QCOMPARE(tb()->selFontSize(), std::optional<double>(11));

    // "some" in Serif, " text" in the pad's font: the dialog starts from the font it showed last,
    // and even cancelled makes it the font of the whole selection.
    tb()->setSelLength(9);
    QCOMPARE(tb()->selFontName(), std::optional<QString>());
    m_pad->trigger(QStringLiteral("fp"));
    QCOMPARE(m_pad->dialogs.fontRequests.last().family(), QStringLiteral("Serif"));
    QCOMPARE(tb()->selFontName(), std::optional<QString>(QStringLiteral("Serif")));
}

QTEST_MAIN(TestTextPadWindow)
#include "tst_textpadwindow.moc"
