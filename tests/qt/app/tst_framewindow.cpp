// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "common/core/twips.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

class TestFrameWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closeAnsweredNoKeepsEverything();
    void closeAnsweredYesEndsTheProgram();
    void closeNamesTheDownloadsItWouldCancel_data();
    void closeNamesTheDownloadsItWouldCancel();
    void exitEndsWithoutAsking();
    void menuBarFollowsTheActiveWindow();
    void ctrlTOpensAWindowInBothStates_data();
    void ctrlTOpensAWindowInBothStates();
    void windowListHoldsTheShownWindows();
    void hidingTheActiveWindowActivatesTheNextShown_data();
    void hidingTheActiveWindowActivatesTheNextShown();
    void windowsCascadeWithinTheArea_data();
    void windowsCascadeWithinTheArea();
    void arrange_data();
    void arrange();
    void windowAddedBeforeShowKeepsItsSize();
    void clientAreaLiesBelowTheMenuBar();
    void fullScreenShowsTheFramesOwnMenu();

private:
    BrowserWindow *addWindow();
    QStringList menuBarTitles() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    std::unique_ptr<FrameWindow> m_frame;
    int m_ends = 0;
};

BrowserWindow *TestFrameWindow::addWindow()
{
    auto *window
        = new BrowserWindow(new FakeWebControl, m_dialogs, m_workspace, m_dir->path() + u'/');
    m_frame->addBrowserWindow(window)->show();
    return window;
}

QStringList TestFrameWindow::menuBarTitles() const
{
    QStringList titles;
    for (QAction *action : m_frame->menuBar()->actions()) {
        if (action->isVisible())
            titles.append(action->text());
    }
    return titles;
}

void TestFrameWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = ScriptedDialogs();
    m_workspace = FakeWorkspace();
    m_frame = std::make_unique<FrameWindow>(m_dialogs, m_workspace);
    m_ends = 0;
    m_frame->setEndProgram([this] { ++m_ends; });
    m_workspace.makeBrowser = [this](const QString &) { return addWindow(); };
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TestFrameWindow::cleanup()
{
    m_frame.reset();
}

void TestFrameWindow::closeAnsweredNoKeepsEverything()
{
    BrowserWindow *window = addWindow();
    m_dialogs.answers.enqueue(Dialogs::Answer::No);
    QVERIFY(!m_frame->close());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(
        m_dialogs.messages[0].text, QStringLiteral("Are you sure you want to close all windows?"));
    QCOMPARE(m_dialogs.messages[0].title, QStringLiteral("Are you sure?"));
    QCOMPARE(m_dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(m_dialogs.messages[0].icon, Dialogs::Icon::None);
    QCOMPARE(m_ends, 0);
    QVERIFY(m_frame->isVisible());
    QVERIFY(window->isVisible());
}

void TestFrameWindow::closeAnsweredYesEndsTheProgram()
{
    addWindow();
    m_dialogs.answers.enqueue(Dialogs::Answer::Yes);
    m_frame->close();
    QCOMPARE(m_ends, 1);
}

void TestFrameWindow::closeNamesTheDownloadsItWouldCancel_data()
{
    QTest::addColumn<int>("running");
    QTest::addColumn<QString>("tail");
    QTest::newRow("one") << 1 << QStringLiteral("?\n\n1 download in progress will be cancelled.");
    QTest::newRow("two") << 2 << QStringLiteral("?\n\n2 downloads in progress will be cancelled.");
}

void TestFrameWindow::closeNamesTheDownloadsItWouldCancel()
{
    QFETCH(int, running);
    m_workspace.running = running;
    m_dialogs.answers.enqueue(Dialogs::Answer::No);
    m_frame->close();
    QVERIFY(m_dialogs.messages[0].text.startsWith(u"Are you sure you want to close all windows?"));
    QTEST(m_dialogs.messages[0].text.mid(42), "tail");
}

void TestFrameWindow::exitEndsWithoutAsking()
{
    m_frame->findChild<QAction *>(QStringLiteral("e"))->trigger();
    QCOMPARE(m_ends, 1);
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestFrameWindow::menuBarFollowsTheActiveWindow()
{
    QCOMPARE(menuBarTitles(), QStringList { QStringLiteral("&File") });
    BrowserWindow *window = addWindow();
    m_frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(window->frameWidget()));
    const QStringList browserMenus { "&File", "&View", "&Edit", "&Options", "&Windows", "&Select",
        "&Help" };
    QCOMPARE(menuBarTitles(), browserMenus);
}

void TestFrameWindow::ctrlTOpensAWindowInBothStates_data()
{
    QTest::addColumn<bool>("withBrowserWindow");
    QTest::newRow("from the frame's menu") << false;
    QTest::newRow("from a browser window's menu") << true;
}

void TestFrameWindow::ctrlTOpensAWindowInBothStates()
{
    QFETCH(bool, withBrowserWindow);
    QWidget *target = m_frame.get();
    if (withBrowserWindow) {
        BrowserWindow *window = addWindow();
        m_frame->mdiArea()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow *>(window->frameWidget()));
        window->webControl()->widget()->setFocus();
        target = window->webControl()->widget();
    }
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keyClick(target, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(m_workspace.openedBrowserAddresses.size(), 1);
}

void TestFrameWindow::windowListHoldsTheShownWindows()
{
    BrowserWindow *first = addWindow();
    BrowserWindow *exited = addWindow();
    BrowserWindow *third = addWindow();
    third->setWindowTitle(QStringLiteral("Three"));
    exited->menus().exiter->trigger();
    m_frame->activate(first);

    const QList<Workspace::WindowEntry> list = m_frame->windowList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].window.data(), first);
    QCOMPARE(list[1].caption, QStringLiteral("Three"));
    QVERIFY(list[0].active && !list[1].active);
    m_frame->activate(exited); // a hidden window stays hidden
    QVERIFY(exited->frameWidget()->isHidden());
    QCOMPARE(m_frame->mdiArea()->currentSubWindow(), first->frameWidget());
    // and never keeps the activation, as when its page takes the focus
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    exited->webControl()->widget()->setFocus();
    QTRY_COMPARE(m_frame->mdiArea()->currentSubWindow(), third->frameWidget());
}

void TestFrameWindow::hidingTheActiveWindowActivatesTheNextShown_data()
{
    QTest::addColumn<QList<int>>("hiddenBefore");
    QTest::addColumn<int>("exiting");
    QTest::addColumn<int>("expected"); // -1: none, the frame's own menu
    QTest::newRow("the next one") << QList<int> {} << 1 << 2;
    QTest::newRow("from the last to the first") << QList<int> {} << 2 << 0;
    QTest::newRow("hidden ones are skipped") << QList<int> { 2 } << 1 << 0;
    QTest::newRow("none left") << QList<int> { 0, 2 } << 1 << -1;
}

void TestFrameWindow::hidingTheActiveWindowActivatesTheNextShown()
{
    QFETCH(QList<int>, hiddenBefore);
    QFETCH(int, exiting);
    QFETCH(int, expected);
    QList<BrowserWindow *> windows { addWindow(), addWindow(), addWindow() };
    for (int index : hiddenBefore)
        windows[index]->frameWidget()->hide();
    m_frame->activate(windows[exiting]);
    windows[exiting]->menus().exiter->trigger();
    if (expected < 0) {
        QCOMPARE(menuBarTitles(), QStringList { QStringLiteral("&File") });
        return;
    }
    QCOMPARE(m_frame->mdiArea()->currentSubWindow(), windows[expected]->frameWidget());
    QCOMPARE(menuBarTitles().size(), 7);
}

void TestFrameWindow::windowsCascadeWithinTheArea_data()
{
    QTest::addColumn<bool>("arranged");
    QTest::newRow("new windows") << false;
    QTest::newRow("Cascade Windows") << true;
}

void TestFrameWindow::windowsCascadeWithinTheArea()
{
    QFETCH(bool, arranged);
    QList<QWidget *> windows;
    for (int i = 0; i < 14; ++i) {
        windows.append(addWindow()->frameWidget());
        if (arranged)
            windows[i]->setGeometry(40, 40, 2000, 2000);
    }
    if (arranged)
        m_frame->arrange(Workspace::Arrangement::Cascade);
    const QRect area = m_frame->mdiArea()->viewport()->rect();
    const QPoint step = windows[1]->pos() - windows[0]->pos();
    QCOMPARE(windows[0]->pos(), QPoint(0, 0));
    QVERIFY(step.x() > 0 && step.x() == step.y());
    int wraps = 0;
    for (int i = 1; i < windows.size(); ++i) {
        QVERIFY2(area.contains(windows[i]->geometry()), qPrintable(QString::number(i)));
        if (windows[i]->pos() != windows[i - 1]->pos() + step) {
            QCOMPARE(windows[i]->pos(), QPoint(0, 0));
            ++wraps;
        }
    }
    QCOMPARE(wraps, 1);
    // A window moved beyond the area is reached by scrolling.
    windows[0]->move(area.width() - 10, 0);
    QTRY_VERIFY(m_frame->mdiArea()->horizontalScrollBar()->isVisible());
}

void TestFrameWindow::windowAddedBeforeShowKeepsItsSize()
{
    m_frame = std::make_unique<FrameWindow>(m_dialogs, m_workspace);
    QWidget *window = addWindow()->frameWidget();
    QCOMPARE(window->size(), window->sizeHint());
}

void TestFrameWindow::arrange_data()
{
    QTest::addColumn<Workspace::Arrangement>("arrangement");
    QTest::newRow("tile vertically: columns") << Workspace::Arrangement::TileVertically;
}

void TestFrameWindow::arrange()
{
    QFETCH(Workspace::Arrangement, arrangement);
    QList<QWidget *> windows;
    for (int i = 0; i < 3; ++i)
        windows.append(addWindow()->frameWidget());
    m_frame->arrange(arrangement);
    const QRect area = m_frame->mdiArea()->viewport()->rect();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(windows[i]->height(), area.height());
        QCOMPARE(windows[i]->x(), area.width() * i / 3);
    }
}

void TestFrameWindow::fullScreenShowsTheFramesOwnMenu()
{
    BrowserWindow *window = addWindow();
    m_frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(window->frameWidget()));
    window->frameWidget()->resize(300, 200);
    window->menus().fuller->trigger();
    QCOMPARE(menuBarTitles(), QStringList { QStringLiteral("&File") });
    QVERIFY(window->frameWidget()->isMaximized());
    // The page fills the window as maximized, not as it was before.
    QCOMPARE(window->webControl()->widget()->geometry(), window->rect());
    // F11 is hidden with its menu: only the leave button brings the bars back.
    QVERIFY(!window->menus().fuller->isEnabled());
    auto *leave = window->findChild<QWidget *>(QStringLiteral("Command2"));
    QVERIFY(leave->isVisible());
    QMetaObject::invokeMethod(leave, "click");
    QVERIFY(!window->isFullScreen());
    QCOMPARE(menuBarTitles().size(), 7);
    QVERIFY(window->frameWidget()->isMaximized());
}

void TestFrameWindow::clientAreaLiesBelowTheMenuBar()
{
    const double dpi = m_frame->logicalDpiX();
    QCOMPARE(m_frame->centralWidget()->geometry(),
        QRect(0, m_frame->menuBar()->height(), Twips::toPixels(8790, dpi),
            Twips::toPixels(7095, dpi)));
}

QTEST_MAIN(TestFrameWindow)
#include "tst_framewindow.moc"
