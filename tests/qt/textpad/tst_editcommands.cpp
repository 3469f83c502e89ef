// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"
#include "textpad/wordlistwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {
class FakeWordList : public WordListWindow
{
public:
    bool hasWordList() const override { return present; }
    void clearEntry() override { ++cleared; }
    void showWithFocusOnEntry() override { ++shown; }
    QString chosenWord() const override { return QStringLiteral("chosen"); }

    bool present = true;
    int cleared = 0;
    int shown = 0;
};

QStringList visibleEntries(const QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (action->isVisible())
            entries << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    return entries;
}
} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ctrlCRunsThePadsCopy();
    void cutPutsPlainTextOnTheClipboardThenRemovesIt();
    void pasteTakesOnlyThePlainText_data();
    void pasteTakesOnlyThePlainText();
    void timeDateReplacesTheSelection();
    void bulletsFollowTheCaretAndCoverTheDocument_data();
    void bulletsFollowTheCaretAndCoverTheDocument();
    void browseFocusesTheFirstBrowserWindow_data();
    void browseFocusesTheFirstBrowserWindow();
    void popupFollowsSelectionDocumentAndClipboard_data();
    void popupFollowsSelectionDocumentAndClipboard();
    void editMenuTitleGivesTheSameMenuAsARightClick();
    void pasteShortcutOutlivesThePopupThatHidPaste();
    void wordCompletionWithoutWordListSaysSo();
    void wordCompletionHookFollowsTheKeys();

private:
    RichTextControl *tb() const { return m_pad->document(); }
    void trigger(const char *name) { m_pad->findChild<QAction *>(QLatin1String(name))->trigger(); }

    ScriptedDialogs *m_dialogs = nullptr;
    FakeWorkspace *m_workspace = nullptr;
    FakeLauncher *m_launcher = nullptr;
    TextPadWindow *m_pad = nullptr;
    QList<QStringList> m_popups;
};

void TestEditCommands::init()
{
    m_dialogs = new ScriptedDialogs;
    m_workspace = new FakeWorkspace;
    m_launcher = new FakeLauncher;
    m_pad = new TextPadWindow(*m_dialogs, *m_workspace, *m_launcher);
    m_popups.clear();
    m_pad->setPopupPresenter([this](QMenu *menu) { m_popups << visibleEntries(menu); });
    QApplication::clipboard()->clear();
}

void TestEditCommands::cleanup()
{
    delete m_pad;
    delete m_launcher;
    delete m_workspace;
    delete m_dialogs;
}

void TestEditCommands::ctrlCRunsThePadsCopy()
{
    QApplication::clipboard()->setText(QStringLiteral("old"));
    tb()->setText(QStringLiteral("text"));
    m_pad->show();
    m_pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pad));
    // The pad's Copy empties the clipboard for an empty selection; the editor's own leaves it.
    QTest::keyClick(tb(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString());
}

void TestEditCommands::cutPutsPlainTextOnTheClipboardThenRemovesIt()
{
    tb()->setText(QStringLiteral("keep cut\r\nthis keep"));
    tb()->setSelStart(5);
    tb()->setSelLength(8);
    tb()->setSelBold(true);
    QVERIFY(m_pad->isSaved() == false);
    trigger("cu");
    const QMimeData *data = QApplication::clipboard()->mimeData();
    QCOMPARE(data->text(), QStringLiteral("cut\nthis"));
    QVERIFY(!data->hasHtml());
    QCOMPARE(tb()->text(), QStringLiteral("keep  keep"));
    QVERIFY(!m_pad->isSaved());
}

void TestEditCommands::pasteTakesOnlyThePlainText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("result");
    QTest::newRow("formattedText") << "<b>bold</b>"
                                   << "bold" << false << "[bold]";
}

void TestEditCommands::pasteTakesOnlyThePlainText()
{
    QFETCH(QString, html);
    QFETCH(QString, plain);
    QFETCH(bool, image);
    auto *data = new QMimeData;
    if (!html.isEmpty())
        data->setHtml(html);
    if (!plain.isEmpty())
        data->setText(plain);
    if (image)
        data->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(data);
    tb()->setText(QStringLiteral("[sel]"));
    tb()->setSelStart(1);
    tb()->setSelLength(3);
    trigger("pas");
    QTEST(tb()->text(), "result");
    tb()->setSelStart(1);
    tb()->setSelLength(1);
    QCOMPARE(tb()->selBold(), std::optional<bool>(false));
}

void TestEditCommands::timeDateReplacesTheSelection()
{
    const QDateTime when(QDate(2024, 3, 7), QTime(14, 5, 9));
    m_pad->setClock([when] { return when; });
    tb()->setText(QStringLiteral("at X."));
    tb()->setSelStart(3);
    tb()->setSelLength(1);
    trigger("td");
    const QLocale locale = QLocale::system();
    const QString stamp = tb()->text().mid(3, tb()->text().size() - 4);
    QVERIFY(stamp.startsWith(locale.toString(when.date(), QLocale::ShortFormat) + u' '));
    QVERIFY(stamp.contains(QStringLiteral("05:09")));
    QVERIFY(tb()->text().endsWith(u'.'));
    QVERIFY(!m_pad->isSaved());
}

void TestEditCommands::bulletsFollowTheCaretAndCoverTheDocument_data()
{
    QTest::addColumn<int>("bulletedParagraph"); // -1: none
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<bool>("bullets");
    // "one" 0-3, "two" 4-7, "three" 8-13
    QTest::newRow("caretInPlainParagraph") << -1 << 5 << 0 << true;
    QTest::newRow("mixedSelection") << 1 << 2 << 4 << false;
}

void TestEditCommands::bulletsFollowTheCaretAndCoverTheDocument()
{
    QFETCH(int, bulletedParagraph);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(bool, bullets);
    tb()->setText(QStringLiteral("one\r\ntwo\r\nthree"));
    if (bulletedParagraph >= 0) {
        tb()->setSelStart(bulletedParagraph * 4);
        tb()->setSelBullet(true);
    }
    tb()->setSelStart(selStart);
    tb()->setSelLength(selLength);
    trigger("bul");
    QCOMPARE(m_pad->findChild<QAction *>(QStringLiteral("bul"))->isChecked(), bullets);
    QCOMPARE(tb()->selStart(), selStart);
    QCOMPARE(tb()->selLength(), 0);
    tb()->setSelStart(0);
    tb()->setSelLength(100);
    QCOMPARE(tb()->selBullet(), std::optional<bool>(bullets));
    QCOMPARE(tb()->text(), QStringLiteral("one\r\ntwo\r\nthree"));
}

void TestEditCommands::browseFocusesTheFirstBrowserWindow_data()
{
    QTest::addColumn<bool>("launcherWorks");
    QTest::addColumn<QStringList>("firstWindowAddresses");
    const QString address = QStringLiteral("http://example.org/a?b=c");
    QTest::newRow("default browser") << true << QStringList { QString() };
    QTest::newRow("fallback") << false << QStringList { address, QString() };
}

// In both cases the pad is minimised and the first browser window gets the focus; only the
// fallback navigates it.
void TestEditCommands::browseFocusesTheFirstBrowserWindow()
{
    QFETCH(bool, launcherWorks);
    QFETCH(QStringList, firstWindowAddresses);
    m_launcher->canStart = launcherWorks;
    QWidget browser;
    m_workspace->makeBrowser = [&browser](const QString &) {
        browser.show();
        return &browser;
    };
    m_pad->show();
    m_pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pad));
    tb()->setText(QStringLiteral("go http://example.org/a?b=c now"));
    tb()->setSelStart(3);
    tb()->setSelLength(24);
    trigger("brows");
    QCOMPARE(m_launcher->addresses, QStringList { QStringLiteral("http://example.org/a?b=c") });
    QCOMPARE(m_workspace->firstWindowAddresses, firstWindowAddresses);
    QTRY_VERIFY(m_pad->isMinimized());
    QTRY_VERIFY(browser.isActiveWindow());
}

void TestEditCommands::popupFollowsSelectionDocumentAndClipboard_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("selLength"); // from the start
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("phrase") << "some text" << 9 << QString()
                            << QStringList { "selall", "-", "cop", "cu", "-", "sear", "-",
                                   "findrep" };
    QTest::newRow("address") << "http://example.org/x" << 20 << QString()
                             << QStringList { "selall", "-", "cop", "cu", "-", "brows", "-",
                                    "findrep" };
}

void TestEditCommands::popupFollowsSelectionDocumentAndClipboard()
{
    QFETCH(QString, document);
    QFETCH(int, selLength);
    QFETCH(QString, clipboard);
    if (!clipboard.isEmpty())
        QApplication::clipboard()->setText(clipboard);
    tb()->setText(document);
    tb()->setSelStart(0);
    tb()->setSelLength(selLength);
    emit tb()->mouseUp(Qt::RightButton);
    QCOMPARE(m_popups.size(), 1);
    QTEST(m_popups.first(), "entries");
    QVERIFY(m_pad->findChild<QMenu *>(QStringLiteral("po"))->isEnabled());
    QCOMPARE(m_pad->findChild<RichTextControl *>(QStringLiteral("tbtemp2"))->text(), QString());
}

void TestEditCommands::editMenuTitleGivesTheSameMenuAsARightClick()
{
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    tb()->setText(QStringLiteral("two words"));
    tb()->setSelStart(0);
    tb()->setSelLength(9);
    emit tb()->mouseUp(Qt::RightButton);
    trigger("u2");
    QCOMPARE(m_popups.size(), 2);
    QCOMPARE(m_popups.at(1), m_popups.at(0));
}

void TestEditCommands::pasteShortcutOutlivesThePopupThatHidPaste()
{
    tb()->setText(QStringLiteral("text"));
    m_pad->show();
    m_pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pad));
    emit tb()->mouseUp(Qt::RightButton); // an empty clipboard: the menu comes up without Paste
    QCOMPARE(m_popups.size(), 1);
    QVERIFY(!m_popups.first().contains(QStringLiteral("pas")));
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    tb()->setSelStart(0);
    QTest::keyClick(tb(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(tb()->text(), QStringLiteral("cliptext"));
}

void TestEditCommands::wordCompletionWithoutWordListSaysSo()
{
    auto *autoword = m_pad->findChild<QAction *>(QStringLiteral("autoword"));
    autoword->trigger();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.last().text, QStringLiteral("No Wordlist Found!"));
    QVERIFY(!autoword->isChecked());
    m_pad->insertWord();
    QCOMPARE(tb()->text(), QString());
}

void TestEditCommands::wordCompletionHookFollowsTheKeys()
{
    FakeWordList words;
    m_pad->setWordListWindow(&words);
    m_pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pad));
    QTest::keyClicks(tb(), QStringLiteral("ab "));
    QCOMPARE(words.cleared, 0); // off: the word list is left alone
    auto *autoword = m_pad->findChild<QAction *>(QStringLiteral("autoword"));
    autoword->trigger();
    QVERIFY(autoword->isChecked());
    QCOMPARE(words.shown, 1);
    QTest::keyClicks(tb(), QStringLiteral("cd"));
    QCOMPARE(words.cleared, 2);
    QCOMPARE(words.shown, 1);
    QTest::keyClick(tb(), Qt::Key_Space);
    QTest::keyClick(tb(), Qt::Key_Return);
    QCOMPARE(words.cleared, 4);
    QCOMPARE(words.shown, 3);
    QCOMPARE(tb()->text(), QStringLiteral("ab cd \r\n")); // the keys still reach the document
    m_pad->insertWord();
    QCOMPARE(tb()->text(), QStringLiteral("ab cd \r\nchosen"));
    autoword->trigger();
    QVERIFY(!autoword->isChecked());
    QTest::keyClick(tb(), Qt::Key_Space);
    QCOMPARE(words.cleared, 4);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
