// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/twips.h"
#include "support/accessiblenames.h"
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/changemonitor.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

class TestTextPadWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuEntriesHaveTheirCaptionsShortcutsAndVisibility_data();
    void menuEntriesHaveTheirCaptionsShortcutsAndVisibility();
    void menuBarShowsFileEditInsertFormat();
    void controlsStartAsDescribed();
    void initialSizeLaysTheDocumentOutAboveTheStatusBar();
    void tinyWindowStillFillsWhatItCan();
    void monitorReportsChangeAndPlainSize_data();
    void monitorReportsChangeAndPlainSize();
    void monitorTicksEverySecond();
    void fontPropertiesCancelledOnUniformSelectionKeepsItsFormat();
    void fontPropertiesOnMixedFontsStartsFromTheLastFontAndUnifiesIt();
    void fontPropertiesPassesColourThroughAndAppliesEffects();
    void everyInteractiveControlHasAName();
    void editTitleOpensTheContextMenuFromTheKeyboard();

private:
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

void TestTextPadWindow::menuEntriesHaveTheirCaptionsShortcutsAndVisibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("visible");
    const QKeySequence none;
    QTest::newRow("newer") << "newer"
                           << "&New" << QKeySequence(Qt::CTRL | Qt::Key_N) << true;
    QTest::newRow("op") << "op"
                        << "&Open" << QKeySequence(Qt::CTRL | Qt::Key_O) << true;
    QTest::newRow("sav") << "sav"
                         << "&Save" << QKeySequence(Qt::CTRL | Qt::Key_S) << true;
    QTest::newRow("sav2") << "sav2"
                          << "Save &As" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << true;
    QTest::newRow("pri") << "pri"
                         << "P&rint" << none << true;
    QTest::newRow("bye") << "bye"
                         << "&Exit" << none << true;
    QTest::newRow("u2") << "u2"
                        << "&Edit" << none << true;
    QTest::newRow("selall") << "selall"
                            << "&Select All" << none << true;
    QTest::newRow("cop") << "cop"
                         << "&Copy" << QKeySequence(Qt::CTRL | Qt::Key_C) << true;
    QTest::newRow("cu") << "cu"
                        << "&Cut" << none << true;
    QTest::newRow("pas") << "pas"
                         << "&Paste" << QKeySequence(Qt::CTRL | Qt::Key_P) << true;
    QTest::newRow("brows") << "brows"
                           << "&Browse This URL" << none << true;
    QTest::newRow("sear") << "sear"
                          << "S&earch This Phrase" << none << true;
    QTest::newRow("clclip") << "clclip"
                            << "&Clear Clipboard" << none << true;
    QTest::newRow("td") << "td"
                        << "Time/Date" << none << true;
    QTest::newRow("bul") << "bul"
                         << "&Bulltets" << none << true;
    QTest::newRow("fp") << "fp"
                        << "Font &Properties" << QKeySequence(Qt::CTRL | Qt::Key_F) << true;
    QTest::newRow("autoword") << "autoword"
                              << "&Auto Complete Word" << none << false;
    QTest::newRow("scical") << "scical"
                            << "&Scientific Calculator" << none << true;
}

void TestTextPadWindow::menuEntriesHaveTheirCaptionsShortcutsAndVisibility()
{
    QFETCH(QString, name);
    const auto *action = m_pad->findChild<QAction *>(name);
    QVERIFY(action);
    QTEST(action->text(), "caption");
    QTEST(action->shortcut(), "shortcut");
    QTEST(action->isVisible(), "visible");
}

void TestTextPadWindow::menuBarShowsFileEditInsertFormat()
{
    QStringList shown;
    for (QAction *action : m_pad->menuBar()->actions()) {
        if (action->isVisible())
            shown << action->text();
    }
    QCOMPARE(shown, QStringList({ "&File", "&Edit", "&Insert", "&Format" }));
    const auto *po = m_pad->findChild<QMenu *>(QStringLiteral("po"));
    QStringList entries;
    for (QAction *action : po->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(entries,
        QStringList({ "&Select All", "-", "&Copy", "&Cut", "&Paste", "-", "&Browse This URL",
            "S&earch This Phrase", "-", "&Clear Clipboard", "-", "&Find and Replace..." }));
    QVERIFY(!m_pad->findChild<QMenu *>(QStringLiteral("toa"))->menuAction()->isVisible());
    QVERIFY(!m_pad->findChild<QAction *>(QStringLiteral("bul"))->isChecked());
}

void TestTextPadWindow::controlsStartAsDescribed()
{
    QCOMPARE(m_pad->objectName(), QStringLiteral("pad"));
    QCOMPARE(m_pad->windowTitle(), QStringLiteral("Orbello's Quillstep"));
    QVERIFY(m_pad->isWindow());
    QVERIFY(m_pad->isSaved());
    auto *tb = m_pad->document();
    QCOMPARE(tb->objectName(), QStringLiteral("tb"));
    QCOMPARE(tb->palette().color(QPalette::Base), QColor(255, 250, 238));
    QCOMPARE(tb->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QCOMPARE(tb->font().pointSize(), 9);
    QCOMPARE(m_pad->findChild<QLineEdit *>(QStringLiteral("cl"))->text(), QStringLiteral("Text1"));
    for (const char *hidden : { "cl", "tbtemp2", "piclines" })
        QVERIFY(m_pad->findChild<QWidget *>(QLatin1String(hidden))->isHidden());
    QCOMPARE(m_pad->findChild<QLabel *>(QStringLiteral("panel1"))->text(), QString());
    QCOMPARE(m_pad->findChild<QLabel *>(QStringLiteral("panel2"))->text(),
        QStringLiteral("Orbello's Text Pad"));
}

void TestTextPadWindow::initialSizeLaysTheDocumentOutAboveTheStatusBar()
{
    m_pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pad));
    const double dpi = m_pad->logicalDpiX();
    const QRect client = m_pad->centralWidget()->geometry();
    const int statusHeight = m_pad->statusBar()->height();
    QCOMPARE(client.width(), Twips::toPixels(7020, dpi));
    QCOMPARE(client.height() + statusHeight, Twips::toPixels(5835, dpi));
    const QRect tb = m_pad->document()->geometry();
    QCOMPARE(tb.left(), Twips::toPixels(10 * 1.2525, dpi));
    QCOMPARE(tb.top(), 0);
    QCOMPARE(tb.width(), Twips::toPixels(5584.8 * 1.2525, dpi));
    QCOMPARE(tb.height(), Twips::toPixels(5580, dpi));
    QCOMPARE(statusHeight, Twips::toPixels(255, dpi));
}

void TestTextPadWindow::tinyWindowStillFillsWhatItCan()
{
    // Sizes that would turn negative are kept (see the layout's own tests); a real window's client
    // area never gets that small, so here the document just shrinks with it.
    m_pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pad));
    m_pad->resize(40, 60);
    QTRY_VERIFY(m_pad->centralWidget()->width() < 100);
    const QSize client = m_pad->centralWidget()->size();
    QVERIFY(m_pad->document()->geometry().right() < client.width());
    QCOMPARE(m_pad->document()->height(), client.height());
}

void TestTextPadWindow::monitorReportsChangeAndPlainSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("line");
    QTest::newRow("emptySaved") << QString() << false << "No change detected with 2 bytes.";
    QTest::newRow("sourceMarkup") << "<html></html>" << true << "Change detected with 15 bytes.";
    QTest::newRow("threeOneLetterLines")
        << "a\r\nb\r\nc" << true << "Change detected with 9 bytes.";
}

void TestTextPadWindow::monitorReportsChangeAndPlainSize()
{
    QFETCH(QString, text);
    QFETCH(bool, typed);
    if (typed)
        m_pad->document()->setText(text);
    m_pad->findChild<ChangeMonitor *>()->tick();
    // What a screen reader reads is the line itself.
    auto *panel = m_pad->findChild<QLabel *>(QStringLiteral("panel1"));
    QTEST(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), "line");
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
    RichTextControl *tb = m_pad->document();
    tb->setText(QStringLiteral("some text"));
    tb->setSelStart(0);
    tb->setSelLength(4);
    tb->setSelBold(true);
    tb->setSelFontSize(12);
    const QString family = *tb->selFontName();
    QSignalSpy changes(tb, &RichTextControl::change);
    m_pad->findChild<QAction *>(QStringLiteral("fp"))->trigger(); // unprepared: cancelled
    QCOMPARE(changes.count(), 0); // nothing changed, so the document is still saved
    QCOMPARE(m_dialogs->fontRequests.size(), 1);
    QCOMPARE(m_dialogs->fontRequests.first().family(), family);
    QVERIFY(m_dialogs->fontRequests.first().bold());
    QCOMPARE(tb->selFontName(), std::optional<QString>(family));
    QCOMPARE(tb->selBold(), std::optional<bool>(true));
    QCOMPARE(tb->selFontSize(), std::optional<double>(12));
    QCOMPARE(tb->selItalic(), std::optional<bool>(false));
}

void TestTextPadWindow::fontPropertiesOnMixedFontsStartsFromTheLastFontAndUnifiesIt()
{
    RichTextControl *tb = m_pad->document();
    tb->setText(QStringLiteral("one two"));
    QFont serif(QStringLiteral("Serif"), 15);
    m_dialogs->fontAnswers.enqueue({ serif, true });
    tb->setSelStart(0);
    tb->setSelLength(3);
    m_pad->findChild<QAction *>(QStringLiteral("fp"))->trigger();
    QCOMPARE(tb->selFontName(), std::optional<QString>(QStringLiteral("Serif")));
    tb->setSelStart(0);
    tb->setSelLength(7); // "one" in Serif, "two" in the pad's font
    QCOMPARE(tb->selFontName(), std::optional<QString>());
    m_pad->findChild<QAction *>(QStringLiteral("fp"))->trigger(); // cancelled
    QCOMPARE(m_dialogs->fontRequests.last().family(), QStringLiteral("Serif"));
    QCOMPARE(tb->selFontName(), std::optional<QString>(QStringLiteral("Serif")));
    QCOMPARE(tb->selFontSize(), std::optional<double>(15));
}

void TestTextPadWindow::fontPropertiesPassesColourThroughAndAppliesEffects()
{
    RichTextControl *tb = m_pad->document();
    tb->setText(QStringLiteral("word"));
    tb->setSelStart(0);
    tb->setSelLength(4);
    tb->setSelColor(Qt::blue);
    tb->setSelUnderline(true);
    QFont offered(QStringLiteral("Serif"), 11);
    offered.setStrikeOut(true);
    m_dialogs->fontAnswers.enqueue({ offered, true });
    m_pad->findChild<QAction *>(QStringLiteral("fp"))->trigger();
    QVERIFY(m_dialogs->fontRequests.first().underline());
    QCOMPARE(tb->selColor(), std::optional<QColor>(QColor(Qt::blue)));
    QCOMPARE(tb->selUnderline(), std::optional<bool>(false));
    QCOMPARE(tb->selStrikeThru(), std::optional<bool>(true));
    QCOMPARE(tb->selFontSize(), std::optional<double>(11));
}

void TestTextPadWindow::everyInteractiveControlHasAName()
{
    m_pad->document()->setText(QStringLiteral("see http://example.org/"));
    m_pad->document()->setSelStart(4);
    m_pad->document()->setSelLength(19);
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    m_pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pad));
    QStringList unnamed = unnamedInteractiveControls(m_pad);

    // The context menu, walked while it is up with as many entries as it ever shows.
    bool shown = false;
    m_pad->setPopupPresenter([&](QMenu *po) {
        po->popup(m_pad->mapToGlobal(QPoint(20, 20)));
        shown = QTest::qWaitForWindowExposed(po);
        unnamed += unnamedInteractiveControls(po);
        po->hide();
    });
    m_pad->findChild<QAction *>(QStringLiteral("u2"))->trigger();
    QVERIFY(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
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
