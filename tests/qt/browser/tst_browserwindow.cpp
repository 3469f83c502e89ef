// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/browserwindow.h"
#include "browser/toolstoolbar.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

class TestBrowserWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void signalBoxes_data();
    void signalBoxes();
    void fullScreenAndBack();
    void newWindowRequestHandsOverTheNewControl_data();
    void newWindowRequestHandsOverTheNewControl();
    void windowListShowsTheWorkspacesWindows();
    void tabReachesEveryButton();
    void exitHidesOnlyThisWindow();
    void windowsMenuArrangesThroughTheWorkspace_data();
    void windowsMenuArrangesThroughTheWorkspace();
    void closeRequestUnloadsTheWindow();
    void clearAllHistoryEmptiesTheList();
    void keysFromThePageReachTheirCommands_data();
    void keysFromThePageReachTheirCommands();
    void ctrlLSelectsTheAddressToTypeOver();
    void pageQuestionsAreAnsweredThroughTheDialogs();

private:
    BrowserWindow *makeWindow(FakeWebControl **control = nullptr);
    QWidget *child(const char *name) { return m_window->findChild<QWidget *>(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    FakeWebControl *m_web = nullptr;
    BrowserWindow *m_window = nullptr;
    QList<BrowserWindow *> m_windows;
};

BrowserWindow *TestBrowserWindow::makeWindow(FakeWebControl **control)
{
    auto *web = new FakeWebControl;
    auto *window = new BrowserWindow(web, m_dialogs, m_workspace, m_dir->path() + u'/');
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_windows.append(window);
    if (control)
        *control = web;
    return window;
}

void TestBrowserWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_workspace = FakeWorkspace();
    m_window = makeWindow(&m_web);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestBrowserWindow::cleanup()
{
    qDeleteAll(m_windows);
    m_windows.clear();
}

// Pages talk to their window through two hidden boxes: "a" in Text3 hides and mutes a blocked
// pop-up, "cl" in Text1 hides the window and stops it. Other words change nothing.
void TestBrowserWindow::signalBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("mutedOrStopped");
    QTest::newRow("pop-up a") << "Text3"
                              << "a" << true << true;
    QTest::newRow("pop-up A") << "Text3"
                              << "A" << false << false;
    QTest::newRow("close cl") << "Text1"
                              << "cl" << true << true;
    QTest::newRow("close CL") << "Text1"
                              << "CL" << false << false;
}

void TestBrowserWindow::signalBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, word);
    QFETCH(bool, hidden);
    auto *edit = m_window->findChild<QLineEdit *>(box);
    edit->setText(word);
    QCOMPARE(!m_window->isVisible(), hidden);
    QTEST(box == u"Text3" ? m_web->audioMuted : m_web->calls.contains(QStringLiteral("stop")),
        "mutedOrStopped");
    QCOMPARE(edit->text(), hidden || box == u"Text3" ? QString() : word);
    QVERIFY(!m_web->calls.contains(QStringLiteral("discard"))); // a hidden page keeps running
}

void TestBrowserWindow::fullScreenAndBack()
{
    m_web->name = QStringLiteral("News");
    const char *bars[] = { "tbar", "tbar2", "sbar", "text2", "Command1", "searchbar" };
    m_window->menus().fuller->trigger();
    for (const char *bar : bars)
        QVERIFY2(!child(bar)->isVisible(), bar);
    auto *leave = m_window->findChild<QToolButton *>(QStringLiteral("Command2"));
    QVERIFY(leave->isVisible());
    QCOMPARE(m_web->widget()->geometry(), m_window->rect());
    QCOMPARE(child("probar")->geometry(),
        QRect(leave->width(), 0, m_window->width() - leave->width(), leave->height()));
    emit m_web->statusTextChanged(QStringLiteral("Done"));
    // What a screen reader reads is the text itself.
    QCOMPARE(QAccessible::queryAccessibleInterface(child("sbarPanel1"))->text(QAccessible::Name),
        QStringLiteral("Done"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("News - Orbello's Web Viewer [ Done ] "));
    leave->click();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("News - Orbello's Web Viewer"));
    QVERIFY(!m_window->menus().fuller->isChecked());
    for (const char *bar : bars)
        QVERIFY2(child(bar)->isVisible(), bar);
    QVERIFY(!leave->isVisible());
    // The Go button and the progress bar in the box's place are as tall as the box.
    QCOMPARE(child("Command1")->height(), child("text2")->height());
    QCOMPARE(child("probar")->height(), child("text2")->height());
}

void TestBrowserWindow::newWindowRequestHandsOverTheNewControl_data()
{
    using Place = Workspace::PageWindowPlace;
    QTest::addColumn<bool>("blocking");
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("hiddenPopup"); // the opener is itself a blocked pop-up
    QTest::addColumn<Place>("place");
    QTest::newRow("in front") << false << false << false << Place::Front;
    QTest::newRow("in background") << false << true << false << Place::Behind;
    QTest::newRow("blocked") << true << false << false << Place::Hidden;
    QTest::newRow("blocked, in background") << true << true << false << Place::Hidden;
    QTest::newRow("by a blocked pop-up") << false << false << true << Place::Hidden;
}

void TestBrowserWindow::newWindowRequestHandsOverTheNewControl()
{
    QFETCH(bool, blocking);
    QFETCH(bool, background);
    FakeWebControl newControl;
    m_workspace.pageWindowControl = &newControl;
    if (blocking)
        m_window->findChild<ToolsToolbar *>()->entry(ToolsToolbar::AntiPopups)->trigger();
    m_window->menus().opnewb->setChecked(background);
    QFETCH(bool, hiddenPopup);
    if (hiddenPopup)
        m_window->blockAsPopup();
    WebControl::NewWindowRequest request;
    emit m_web->newWindowRequested(request);
    QCOMPARE(request.target, &newControl);
    QCOMPARE(m_workspace.pageWindows.size(), 1);
    QCOMPARE(m_workspace.pageWindows[0].first, m_window);
    QTEST(m_workspace.pageWindows[0].second, "place");
}

void TestBrowserWindow::windowListShowsTheWorkspacesWindows()
{
    BrowserWindow *other = makeWindow();
    m_workspace.windows = { { m_window, QStringLiteral("AT&T"), false },
        { other, QStringLiteral("Second"), true } };
    QMenu *sel = m_window->menus().sel;
    emit sel->aboutToShow();
    QCOMPARE(sel->actions().size(), 2);
    // Numbered for the keyboard; the title's own "&" stays text.
    QCOMPARE(sel->actions().at(0)->text(), QStringLiteral("&1 AT&&T"));
    QCOMPARE(sel->actions().at(1)->text(), QStringLiteral("&2 Second"));
    QVERIFY(!sel->actions().at(0)->isChecked());
    QVERIFY(sel->actions().at(1)->isChecked());
    sel->actions().at(0)->trigger();
    QCOMPARE(m_workspace.activated, QList<QWidget *> { m_window });
}

void TestBrowserWindow::tabReachesEveryButton()
{
    // Most toolbar buttons have no menu entry, so Tab is a keyboard user's only way to them.
    QWidgetList expected { child("Command1"), child("searchbar") };
    for (QToolBar *bar : m_window->findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            QWidget *button = bar->widgetForAction(action);
            if (!action->isSeparator() && action->isEnabled() && button)
                expected.append(button);
        }
    }
    QVERIFY(expected.size() >= 12);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    child("text2")->setFocus(Qt::TabFocusReason);
    QSet<QWidget *> reached;
    for (int i = 0; i < 40; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget *widget : expected)
        QVERIFY2(reached.contains(widget), qPrintable(widget->property("text").toString()));
}

void TestBrowserWindow::exitHidesOnlyThisWindow()
{
    BrowserWindow *other = makeWindow();
    other->show();
    m_window->menus().exiter->trigger();
    QVERIFY(!m_window->isVisible());
    QVERIFY(other->isVisible());
    QVERIFY(m_web->calls.contains(QStringLiteral("discard"))); // its page is let go
}

void TestBrowserWindow::closeRequestUnloadsTheWindow()
{
    QPointer<BrowserWindow> window = makeWindow();
    m_windows.removeOne(window.data());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    emit window->webControl()->closeRequested();
    QTRY_VERIFY(window.isNull());
}

void TestBrowserWindow::clearAllHistoryEmptiesTheList()
{
    auto *box = m_window->findChild<QComboBox *>(QStringLiteral("text2"));
    box->lineEdit()->setText(QStringLiteral("http://127.0.0.1/a"));
    static_cast<QToolButton *>(child("Command1"))->click();
    const QString file = m_dir->filePath(QStringLiteral("history.txt"));
    QVERIFY(QFile::exists(file));
    box->lineEdit()->setText(QStringLiteral("kept"));
    m_window->menus().clearhist->trigger();
    QCOMPARE(box->count(), 0);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(box->currentText(), QStringLiteral("kept"));
}

void TestBrowserWindow::windowsMenuArrangesThroughTheWorkspace_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Workspace::Arrangement>("arrangement");
    QTest::newRow("cascade") << "cas" << Workspace::Arrangement::Cascade;
    QTest::newRow("tile vertical") << "ver" << Workspace::Arrangement::TileVertically;
    QTest::newRow("tile horizontal") << "hon" << Workspace::Arrangement::TileHorizontally;
}

void TestBrowserWindow::windowsMenuArrangesThroughTheWorkspace()
{
    QFETCH(QString, entry);
    QFETCH(Workspace::Arrangement, arrangement);
    m_window->findChild<QAction *>(entry)->trigger();
    QCOMPARE(m_workspace.arrangements, QList<Workspace::Arrangement> { arrangement });
}

void TestBrowserWindow::keysFromThePageReachTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<double>("zoom"); // relative to actual size: -1 smaller, 0 same, 1 larger
    QTest::addColumn<int>("downloads");
    QTest::newRow("zoom in") << QKeySequence(QStringLiteral("Ctrl++")) << QStringList() << 1.0 << 0;
    QTest::newRow("zoom in with =")
        << QKeySequence(QStringLiteral("Ctrl+=")) << QStringList() << 1.0 << 0;
    QTest::newRow("zoom out") << QKeySequence(QStringLiteral("Ctrl+-")) << QStringList() << -1.0
                              << 0;
    QTest::newRow("zoom in twice, actual size")
        << QKeySequence(QStringLiteral("Ctrl++, Ctrl++, Ctrl+0")) << QStringList() << 0.0 << 0;
    QTest::newRow("back and forward")
        << QKeySequence(QStringLiteral("Alt+Left, Alt+Right"))
        << QStringList { QStringLiteral("goBack"), QStringLiteral("goForward") } << 0.0 << 0;
    QTest::newRow("refresh and stop")
        << QKeySequence(QStringLiteral("F5, Esc"))
        << QStringList { QStringLiteral("refresh"), QStringLiteral("stop") } << 0.0 << 0;
    QTest::newRow("downloads") << QKeySequence(QStringLiteral("Ctrl+J")) << QStringList() << 0.0
                               << 1;
}

void TestBrowserWindow::keysFromThePageReachTheirCommands()
{
    QFETCH(QKeySequence, keys);
    QFETCH(double, zoom);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_web->widget()->setFocus();
    m_web->calls.clear();
    QTest::keySequence(m_web->widget(), keys);
    QTEST(m_web->calls, "calls");
    QCOMPARE(m_web->zoomFactor > 1.0 ? 1.0 : m_web->zoomFactor < 1.0 ? -1.0 : 0.0, zoom);
    QTEST(m_workspace.downloadsShown, "downloads");
}

void TestBrowserWindow::ctrlLSelectsTheAddressToTypeOver()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_web->widget()->setFocus();
    auto *box = m_window->findChild<QComboBox *>(QStringLiteral("text2"));
    box->setEditText(QStringLiteral("http://example.org/"));
    QTest::keySequence(m_web->widget(), QKeySequence(QStringLiteral("Ctrl+L")));
    QVERIFY(box->hasFocus());
    QCOMPARE(box->lineEdit()->selectedText(), QStringLiteral("http://example.org/"));
}

void TestBrowserWindow::pageQuestionsAreAnsweredThroughTheDialogs()
{
    m_dialogs.signInAnswers.enqueue(Dialogs::Credentials { QStringLiteral("ann"), "secret" });
    WebControl::SignInRequest signIn { QStringLiteral("example.org"), QStringLiteral("Staff") };
    emit m_web->signInRequested(signIn);
    QCOMPARE(m_dialogs.signInRequests, QStringList { QStringLiteral("example.org Staff") });
    QVERIFY(signIn.accepted);
    QCOMPARE(signIn.user + u':' + signIn.password, QStringLiteral("ann:secret"));

    m_dialogs.answers.enqueue(Dialogs::Answer::Yes);
    WebControl::Question question { QStringLiteral("Allow example.org to use your camera?") };
    emit m_web->questionAsked(question);
    QVERIFY(question.yes);
    QCOMPARE(m_dialogs.messages.last().text, question.text);
    // No is the safe answer, so it is the one Enter gives.
    QCOMPARE(m_dialogs.messages.last().buttons, Dialogs::Buttons::YesNoDefaultNo);

    m_dialogs.pageDialogAnswers.enqueue({ true, QStringLiteral("Ann"), true });
    WebControl::PageDialogRequest prompt { WebControl::PageDialogKind::Prompt,
        QStringLiteral("Name?"), QString(), true };
    emit m_web->pageDialogRequested(prompt);
    QCOMPARE(m_dialogs.pageDialogs, QStringList { QStringLiteral("Name? [silence offered]") });
    QVERIFY(prompt.accepted && prompt.silence);
    QCOMPARE(prompt.value, QStringLiteral("Ann"));
}

QTEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
