// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
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
    void exitEndsWithoutAsking();
    void menuBarFollowsTheActiveWindow();
    void ctrlTOpensAWindowInBothStates_data();
    void ctrlTOpensAWindowInBothStates();
    void windowListActivatesTheChosenWindow();
    void arrange_data();
    void arrange();
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
    window->menus().exiter->trigger();
    QCOMPARE(menuBarTitles(), QStringList { QStringLiteral("&File") });
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

void TestFrameWindow::windowListActivatesTheChosenWindow()
{
    BrowserWindow *first = addWindow();
    first->setWindowTitle(QStringLiteral("AT&T"));
    BrowserWindow *second = addWindow();
    second->setWindowTitle(QStringLiteral("Second"));
    m_frame->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(second->frameWidget()));

    QMenu *sel = second->menus().sel;
    emit sel->aboutToShow();
    QCOMPARE(sel->actions().size(), 2);
    // Numbered for the keyboard; the title's own "&" stays text.
    QCOMPARE(sel->actions().at(0)->text(), QStringLiteral("&1 AT&&T"));
    QVERIFY(sel->actions().at(1)->isChecked());
    sel->actions().at(0)->trigger();
    QCOMPARE(m_frame->mdiArea()->activeSubWindow(), first->frameWidget());
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

QTEST_MAIN(TestFrameWindow)
#include "tst_framewindow.moc"
