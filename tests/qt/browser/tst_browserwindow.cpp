// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/browserwindow.h"
#include "browser/navigationtoolbar.h"
#include "browser/toolstoolbar.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

class TestBrowserWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsBlankPageAndHidesHistoryMenu();
    void titleSetsCaption();
    void statusText_data();
    void statusText();
    void progress_data();
    void progress();
    void navigationShowsProgressViewAndCompletionTheAddress();
    void pageCompleteWritesAddressOnlyWithoutTyping();
    void watchdogStall_data();
    void watchdogStall();
    void addressButtonTogglesViews();
    void navigationButtonsCallTheControl_data();
    void navigationButtonsCallTheControl();
    void tabReachesEveryButton();
    void exitHidesOnlyThisWindow();
    void windowCommandsGoThroughTheWorkspace_data();
    void windowCommandsGoThroughTheWorkspace();
    void menusCarryTheirCaptionsAndShortcuts_data();
    void menusCarryTheirCaptionsAndShortcuts();
    void popupSignal_data();
    void popupSignal();
    void closeSignal_data();
    void closeSignal();
    void leavingFullScreenRestoresBarsAndCaption();
    void layoutFillsTheWindowAtAnySize_data();
    void layoutFillsTheWindowAtAnySize();
    void closeRequestUnloadsTheWindow();
    void sizeRequestsResizeThePage();
    void newWindowRequestHandsOverTheNewControl_data();
    void newWindowRequestHandsOverTheNewControl();

private:
    BrowserWindow *makeWindow(FakeWebControl **control = nullptr);
    void tick();
    static bool hasFrame(QProgressBar *bar);

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
    m_dialogs = ScriptedDialogs();
    m_workspace = FakeWorkspace();
    m_window = makeWindow(&m_web);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestBrowserWindow::cleanup()
{
    qDeleteAll(m_windows);
    m_windows.clear();
    m_window = nullptr;
}

// Whether the empty bar's right edge is drawn apart from its inside (its left edge is where the
// progress starts).
bool TestBrowserWindow::hasFrame(QProgressBar *bar)
{
    bar->setValue(0);
    const QImage image = bar->grab().toImage();
    const int middle = image.height() / 2;
    return image.pixel(image.width() - 1, middle) != image.pixel(image.width() / 2, middle);
}

void TestBrowserWindow::tick()
{
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
}

void TestBrowserWindow::loadsBlankPageAndHidesHistoryMenu()
{
    QCOMPARE(m_web->navigations, QStringList { QStringLiteral("about:blank") });
    QVERIFY(!m_window->menus().h->menuAction()->isVisible());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Orbello's Web Viewer"));
    QCOMPARE(m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 2000);
}

void TestBrowserWindow::titleSetsCaption()
{
    emit m_web->titleChanged(QStringLiteral("News"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("News - Orbello's Web Viewer"));
    m_window->menus().fuller->trigger();
    emit m_web->titleChanged(QStringLiteral("Sport"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sport - Orbello's Web Viewer"));
}

void TestBrowserWindow::statusText_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("caption");
    QTest::newRow("done in full screen") << true << "Done"
                                         << "Done"
                                         << "News - Orbello's Web Viewer [ Done ] ";
    QTest::newRow("empty in full screen") << true << ""
                                          << "Orbello's Web Viewer"
                                          << "News - Orbello's Web Viewer";
    QTest::newRow("done outside full screen leaves caption") << false << "Done"
                                                             << "Done"
                                                             << "Orbello's Web Viewer";
    QTest::newRow("empty outside full screen") << false << ""
                                               << "Orbello's Web Viewer"
                                               << "Orbello's Web Viewer";
}

void TestBrowserWindow::statusText()
{
    QFETCH(bool, fullScreen);
    QFETCH(QString, text);
    m_web->name = QStringLiteral("News");
    if (fullScreen)
        m_window->menus().fuller->trigger();
    emit m_web->statusTextChanged(text);
    // What a screen reader reads is the text itself.
    auto *panel = m_window->findChild<QLabel *>(QStringLiteral("sbarPanel1"));
    QTEST(QAccessible::queryAccessibleInterface(panel)->text(QAccessible::Name), "panel");
    QTEST(m_window->windowTitle(), "caption");
}

void TestBrowserWindow::progress_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<int>("value");
    QTest::newRow("256 of 1024") << 256 << 1024 << 25;
    QTest::newRow("-1 of 1024 keeps the value") << -1 << 1024 << 10;
    QTest::newRow("5 of 0 keeps the value") << 5 << 0 << 10;
    QTest::newRow("all of it") << 1024 << 1024 << 100;
}

void TestBrowserWindow::progress()
{
    QFETCH(int, progress);
    QFETCH(int, progressMax);
    emit m_web->progressChanged(10, 100);
    emit m_web->progressChanged(progress, progressMax);
    QTEST(m_window->findChild<QProgressBar *>(QStringLiteral("probar"))->value(), "value");
}

void TestBrowserWindow::navigationShowsProgressViewAndCompletionTheAddress()
{
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("probar"));
    auto *box = m_window->findChild<QComboBox *>(QStringLiteral("text2"));
    emit m_web->navigationStarting(QUrl(QStringLiteral("http://127.0.0.1/")));
    QVERIFY(bar->isVisible());
    QVERIFY(!box->isVisible());
    // The layout keeps the bar exactly over the box's place.
    m_window->layOut();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry().left(), box->geometry().left() + box->parentWidget()->x());
    QCOMPARE(bar->width(), box->width());
    emit m_web->progressChanged(50, 100);
    emit m_web->documentComplete(QUrl());
    QVERIFY(!bar->isVisible());
    QVERIFY(box->isVisible());
    QCOMPARE(bar->value(), 0);
}

void TestBrowserWindow::pageCompleteWritesAddressOnlyWithoutTyping()
{
    auto *box = m_window->findChild<QComboBox *>(QStringLiteral("text2"));
    m_web->url = QStringLiteral("http://127.0.0.1/page.html");
    emit m_web->documentComplete(QUrl());
    QCOMPARE(box->currentText(), m_web->url);

    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, QStringLiteral("typ"));
    m_web->url = QStringLiteral("http://127.0.0.1/other.html");
    emit m_web->documentComplete(QUrl());
    QCOMPARE(box->currentText(), QStringLiteral("typ"));
}

void TestBrowserWindow::watchdogStall_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<bool>("addressViewAfterSecondTick");
    QTest::newRow("37.5 is stored as 38, so it is no stall") << 3 << 8 << false;
    QTest::newRow("40 twice is a stall") << 40 << 100 << true;
}

void TestBrowserWindow::watchdogStall()
{
    QFETCH(int, progress);
    QFETCH(int, progressMax);
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("probar"));
    emit m_web->navigationStarting(QUrl());
    emit m_web->progressChanged(progress, progressMax);
    tick();
    QVERIFY(bar->isVisible());
    tick();
    QTEST(!bar->isVisible(), "addressViewAfterSecondTick");
}

void TestBrowserWindow::addressButtonTogglesViews()
{
    auto *tbar = m_window->findChild<NavigationToolbar *>(QStringLiteral("tbar"));
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("probar"));
    QAction *address = tbar->entry(NavigationToolbar::Address);
    QCOMPARE(address->text(), QStringLiteral("Address"));
    // It has no tool tip, not even after the action changes.
    QWidget *button = tbar->widgetForAction(address);
    QVERIFY(button->toolTip().isEmpty());
    address->setEnabled(false);
    address->setEnabled(true);
    QVERIFY(button->toolTip().isEmpty());
    QVERIFY(!bar->isVisible());
    tbar->entry(NavigationToolbar::Address)->trigger();
    QVERIFY(bar->isVisible());
    tbar->entry(NavigationToolbar::Address)->trigger();
    QVERIFY(!bar->isVisible());
}

void TestBrowserWindow::navigationButtonsCallTheControl_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("call");
    QTest::newRow("2 back") << 2 << "Back  "
                            << "Back"
                            << "goBack";
    QTest::newRow("3 forward") << 3 << "Forward"
                               << "Forward"
                               << "goForward";
    QTest::newRow("4 home") << 4 << "Home "
                            << "Home"
                            << "goHome";
    QTest::newRow("5 stop") << 5 << "Stop  "
                            << "Stop"
                            << "stop";
    QTest::newRow("6 refresh") << 6 << "Refresh"
                               << "Refresh"
                               << "refresh";
}

void TestBrowserWindow::navigationButtonsCallTheControl()
{
    QFETCH(int, index);
    auto *tbar = m_window->findChild<NavigationToolbar *>(QStringLiteral("tbar"));
    QVERIFY(tbar->entry(1)->isSeparator());
    QVERIFY(tbar->entry(7)->isSeparator());
    QTEST(tbar->entry(index)->text(), "caption");
    QTEST(tbar->widgetForAction(tbar->entry(index))->toolTip(), "toolTip");
    m_web->calls.clear();
    tbar->entry(index)->trigger();
    QFETCH(QString, call);
    QCOMPARE(m_web->calls, QStringList { call });
}

void TestBrowserWindow::tabReachesEveryButton()
{
    // Most toolbar buttons have no menu entry, so Tab is a keyboard user's only way to them.
    QWidgetList expected;
    for (QToolBar *bar : m_window->findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            QWidget *button = bar->widgetForAction(action);
            if (!action->isSeparator() && action->isEnabled() && button)
                expected.append(button);
        }
    }
    expected << m_window->findChild<QWidget *>(QStringLiteral("Command1"))
             << m_window->findChild<QWidget *>(QStringLiteral("searchbar"));
    QVERIFY(expected.size() >= 12);

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->findChild<QComboBox *>(QStringLiteral("text2"))->setFocus(Qt::TabFocusReason);
    QSet<QWidget *> reached;
    for (int i = 0; i < 40; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget *widget : expected) {
        QVERIFY2(reached.contains(widget),
            qPrintable(widget->objectName() + u' ' + widget->property("text").toString()));
    }
}

void TestBrowserWindow::exitHidesOnlyThisWindow()
{
    BrowserWindow *other = makeWindow();
    other->show();
    m_window->menus().exiter->trigger();
    QVERIFY(!m_window->isVisible());
    QVERIFY(other->isVisible());
    QVERIFY(m_windows.contains(m_window)); // hidden, not unloaded
}

void TestBrowserWindow::windowCommandsGoThroughTheWorkspace_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QList<int>>("arrangeCodes");
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("about");
    QTest::newRow("cascade") << "cas" << QList<int> { 0 } << 0 << 0;
    QTest::newRow("tile horizontal") << "hon" << QList<int> { 1 } << 0 << 0;
    QTest::newRow("tile vertical") << "ver" << QList<int> { 2 } << 0 << 0;
    QTest::newRow("new") << "newer" << QList<int> {} << 1 << 0;
    QTest::newRow("about") << "abt" << QList<int> {} << 0 << 1;
}

void TestBrowserWindow::windowCommandsGoThroughTheWorkspace()
{
    QFETCH(QString, entry);
    m_window->findChild<QAction *>(entry)->trigger();
    QTEST(m_workspace.arrangeCodes, "arrangeCodes");
    QTEST(int(m_workspace.openedBrowserAddresses.size()), "opened");
    QTEST(m_workspace.aboutShown, "about");
}

void TestBrowserWindow::menusCarryTheirCaptionsAndShortcuts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("newer") << "newer"
                           << "&New" << QKeySequence(QStringLiteral("Ctrl+T"));
    QTest::newRow("opener") << "opener"
                            << "&Open" << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("sav") << "sav"
                         << "&Save" << QKeySequence(QStringLiteral("Ctrl+I"));
    QTest::newRow("savi") << "savi"
                          << "&Save with image" << QKeySequence(QStringLiteral("Ctrl+W"));
    QTest::newRow("editm") << "editm"
                           << "&Edit Mode" << QKeySequence();
    QTest::newRow("printerset") << "printerset"
                                << "Print &Setup" << QKeySequence();
    QTest::newRow("printer") << "printer"
                             << "&Print" << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("proper") << "proper"
                            << "&Properties" << QKeySequence();
    QTest::newRow("wkoff") << "wkoff"
                           << "&Work Offline" << QKeySequence();
    QTest::newRow("exiter") << "exiter"
                            << "&Exit" << QKeySequence(QStringLiteral("Ctrl+Q"));
    QTest::newRow("fuller") << "fuller"
                            << "&Full Screen" << QKeySequence(QStringLiteral("F11"));
    QTest::newRow("ss") << "ss"
                        << "Source &Code" << QKeySequence();
    QTest::newRow("intpro") << "intpro"
                            << "&Internet Properties" << QKeySequence();
    QTest::newRow("opnewb") << "opnewb"
                            << "&Open new windows in background" << QKeySequence();
    QTest::newRow("clearhist") << "clearhist"
                               << "Clear All History" << QKeySequence();
    QTest::newRow("cas") << "cas"
                         << "&Cascade Windows" << QKeySequence();
    QTest::newRow("ver") << "ver"
                         << "&Tile Vertical" << QKeySequence();
    QTest::newRow("hon") << "hon"
                         << "&Tile Horizontal" << QKeySequence();
    QTest::newRow("abt") << "abt"
                         << "&About" << QKeySequence();
}

void TestBrowserWindow::menusCarryTheirCaptionsAndShortcuts()
{
    QFETCH(QString, entry);
    auto *action = m_window->findChild<QAction *>(entry);
    QVERIFY(action);
    QTEST(action->text(), "caption");
    QTEST(action->shortcut(), "shortcut");
}

void TestBrowserWindow::popupSignal_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("a hides") << "a" << true;
    QTest::newRow("b does not") << "b" << false;
    QTest::newRow("capital A does not") << "A" << false;
}

void TestBrowserWindow::popupSignal()
{
    QFETCH(QString, word);
    auto *box = m_window->findChild<QLineEdit *>(QStringLiteral("Text3"));
    box->setText(word);
    QTEST(!m_window->isVisible(), "hidden");
    QTEST(m_web->audioMuted, "hidden");
    QCOMPARE(box->text(), QString());
}

void TestBrowserWindow::closeSignal_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("acts");
    QTest::newRow("cl closes") << "cl" << true;
    QTest::newRow("CL does nothing") << "CL" << false;
    QTest::newRow("close does nothing") << "close" << false;
}

void TestBrowserWindow::closeSignal()
{
    QFETCH(QString, word);
    QFETCH(bool, acts);
    auto *box = m_window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    box->setText(word);
    QCOMPARE(!m_window->isVisible(), acts);
    QCOMPARE(m_web->calls.contains(QStringLiteral("stop")), acts);
    QCOMPARE(box->text(), acts ? QString() : word);
}

void TestBrowserWindow::leavingFullScreenRestoresBarsAndCaption()
{
    m_web->name = QStringLiteral("News");
    const QStringList bars { "tbar", "tbar2", "sbar", "text2", "Command1", "searchbar" };
    m_window->menus().fuller->trigger();
    for (const QString &bar : bars)
        QVERIFY2(!m_window->findChild<QWidget *>(bar)->isVisible(), qPrintable(bar));
    auto *leave = m_window->findChild<QToolButton *>(QStringLiteral("Command2"));
    QVERIFY(leave->isVisible());
    QCOMPARE(leave->pos(), QPoint(0, 0));
    // The page fills the window and the progress bar runs beside the leave button.
    QCOMPARE(m_web->widget()->geometry(), m_window->rect());
    auto *bar = m_window->findChild<QProgressBar *>(QStringLiteral("probar"));
    QCOMPARE(bar->geometry(),
        QRect(leave->width(), 0, m_window->width() - leave->width(), leave->height()));
    bar->show();
    QVERIFY2(!hasFrame(bar), "the bar has no border in full screen");

    emit m_web->statusTextChanged(QStringLiteral("Done"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("News - Orbello's Web Viewer [ Done ] "));
    leave->click();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("News - Orbello's Web Viewer"));
    QVERIFY(!m_window->menus().fuller->isChecked());
    QVERIFY(m_window->menus().fuller->isEnabled());
    for (const QString &bar : bars)
        QVERIFY2(m_window->findChild<QWidget *>(bar)->isVisible(), qPrintable(bar));
    QVERIFY(!leave->isVisible());
    QVERIFY2(hasFrame(bar), "the bar has its border back");
}

void TestBrowserWindow::layoutFillsTheWindowAtAnySize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("initial") << QSize();
    QTest::newRow("wide") << QSize(1200, 700);
    QTest::newRow("narrow") << QSize(420, 500);
}

void TestBrowserWindow::layoutFillsTheWindowAtAnySize()
{
    QFETCH(QSize, size);
    if (size.isValid())
        m_window->resize(size);
    auto *go = m_window->findChild<QWidget *>(QStringLiteral("Command1"));
    auto *box = m_window->findChild<QComboBox *>(QStringLiteral("text2"));
    auto *tbar = m_window->findChild<NavigationToolbar *>(QStringLiteral("tbar"));
    // The Go button ends at the right edge; the box runs from the last button to 50 twips
    // (about 3 pixels) short of it.
    QVERIFY(qAbs(go->geometry().right() + 1 - m_window->width()) <= 1);
    const int gap = go->x() - (tbar->x() + box->geometry().right() + 1);
    QVERIFY2(gap >= 2 && gap <= 5, qPrintable(QString::number(gap)));
    const QWidget *address = tbar->widgetForAction(tbar->entry(NavigationToolbar::Address));
    QVERIFY(box->x() >= address->geometry().right());
    // The page fills the room between the bars.
    auto *sbar = m_window->findChild<QWidget *>(QStringLiteral("sbar"));
    QCOMPARE(m_web->widget()->width(), m_window->width());
    QVERIFY(qAbs(m_web->widget()->geometry().bottom() + 1 - sbar->y()) <= 1);
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

void TestBrowserWindow::sizeRequestsResizeThePage()
{
    emit m_web->widthRequested(200);
    emit m_web->heightRequested(100);
    QCOMPARE(m_web->widget()->size(), QSize(200, 100));
}

void TestBrowserWindow::newWindowRequestHandsOverTheNewControl_data()
{
    QTest::addColumn<bool>("blocking");
    QTest::addColumn<bool>("newWindowVisible");
    QTest::newRow("blocking off") << false << true;
    QTest::newRow("blocking on") << true << false;
}

void TestBrowserWindow::newWindowRequestHandsOverTheNewControl()
{
    QFETCH(bool, blocking);
    FakeWebControl *newControl = nullptr;
    BrowserWindow *created = nullptr;
    m_workspace.makeBrowser = [&](const QString &) {
        created = makeWindow(&newControl);
        created->show();
        return created;
    };
    auto *tbar2 = m_window->findChild<ToolsToolbar *>(QStringLiteral("tbar2"));
    if (blocking)
        tbar2->entry(ToolsToolbar::AntiPopups)->trigger();
    QCOMPARE(m_window->popupBlocking(), blocking);

    WebControl::NewWindowRequest request;
    emit m_web->newWindowRequested(request);
    QVERIFY(created);
    QCOMPARE(request.target, static_cast<WebControl *>(newControl));
    QTEST(created->isVisible(), "newWindowVisible");
    QVERIFY(!created->popupBlocking()); // a window opened for a page starts with blocking off
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
