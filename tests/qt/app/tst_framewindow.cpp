// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frameplacement.h"
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "support/accessiblenames.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QtTest>
#include <QtWidgets>

class TestFrameWindow : public QObject
{
    Q_OBJECT

    // A browser window on a fake page, shown and made the active one.
    BrowserWindow *addWindow()
    {
        auto *window
            = new BrowserWindow(new FakeWebControl, m_dialogs, m_workspace, m_dir->path() + u'/');
        m_frame->addBrowserWindow(window)->show();
        m_frame->activate(window);
        return window;
    }

    // One menu (the frame's File) without an active browser window, the window's menus with one.
    int menuBarEntries() const
    {
        int visible = 0;
        for (QAction *action : m_frame->menuBar()->actions())
            visible += action->isVisible();
        return visible;
    }

    QWidget *currentWindow() const { return m_frame->mdiArea()->currentSubWindow(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    std::unique_ptr<FrameWindow> m_frame;
    int m_ends = 0;

private slots:
    void init()
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

    void closeAsksFirst_data()
    {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<int>("running"); // downloads
        QTest::addColumn<QString>("cancelled");
        QTest::newRow("No") << Dialogs::Answer::No << 0 << QString();
        QTest::newRow("No, one download")
            << Dialogs::Answer::No << 1 << "\n\n1 download in progress will be cancelled.";
        QTest::newRow("Yes, two downloads")
            << Dialogs::Answer::Yes << 2 << "\n\n2 downloads in progress will be cancelled.";
    }

    // The frame's own Exit then ends the program without asking.
    void closeAsksFirst()
    {
        QFETCH(Dialogs::Answer, answer);
        QFETCH(int, running);
        QFETCH(QString, cancelled);
        BrowserWindow *window = addWindow();
        m_workspace.running = running;
        m_dialogs.answers.enqueue(answer);
        const bool yes = answer == Dialogs::Answer::Yes;
        const bool closed = m_frame->close();
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.messages[0].text,
            QStringLiteral("Are you sure you want to close all windows?") + cancelled);
        QCOMPARE(m_dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(m_ends, int(yes));
        if (!yes)
            QVERIFY(!closed && m_frame->isVisible() && window->isVisible());
        m_frame->findChild<QAction *>(QStringLiteral("e"))->trigger();
        QVERIFY(m_ends == int(yes) + 1 && m_dialogs.messages.size() == 1);
    }

    // From the frame's own menu, then from that of an active browser window: one shortcut each.
    void ctrlTOpensAWindowInBothStates()
    {
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTest::keyClick(m_frame.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(m_workspace.openedBrowserAddresses.size(), 1);
        QWidget *page = addWindow()->webControl()->widget();
        page->setFocus();
        QTest::keyClick(page, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(m_workspace.openedBrowserAddresses.size(), 2);
    }

    // An exited window leaves the list and lets its page go.
    void windowListHoldsTheShownWindows()
    {
        BrowserWindow *first = addWindow();
        BrowserWindow *exited = addWindow();
        BrowserWindow *third = addWindow();
        third->setWindowTitle(QStringLiteral("Three"));
        exited->menus().exiter->trigger();
        QVERIFY(static_cast<FakeWebControl *>(exited->webControl())->calls.contains("discard"));
        m_frame->activate(first);

        const QList<Workspace::WindowEntry> list = m_frame->windowList();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].window.data(), first);
        QCOMPARE(list[1].caption, QStringLiteral("Three"));
        QVERIFY(list[0].active && !list[1].active);
        m_frame->activate(exited); // a hidden window stays hidden
        QVERIFY(exited->frameWidget()->isHidden());
        QCOMPARE(currentWindow(), first->frameWidget());
        // and never keeps the activation, as when its page takes the focus
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        exited->webControl()->widget()->setFocus();
        QTRY_COMPARE(currentWindow(), third->frameWidget());
    }

    void hidingTheActiveWindowActivatesTheNextShown_data()
    {
        QTest::addColumn<QList<int>>("hiddenBefore"); // of three windows; the middle one exits
        QTest::addColumn<int>("expected"); // -1: none, the frame's own menu
        QTest::newRow("the next one") << QList<int> {} << 2;
        QTest::newRow("hidden ones are skipped, round to the first") << QList<int> { 2 } << 0;
        QTest::newRow("none left") << QList<int> { 0, 2 } << -1;
    }

    void hidingTheActiveWindowActivatesTheNextShown()
    {
        QFETCH(QList<int>, hiddenBefore);
        QFETCH(int, expected);
        QList<BrowserWindow *> windows { addWindow(), addWindow(), addWindow() };
        for (int index : hiddenBefore)
            windows[index]->frameWidget()->hide();
        m_frame->activate(windows[1]);
        windows[1]->menus().exiter->trigger();
        if (expected >= 0)
            QCOMPARE(currentWindow(), windows[expected]->frameWidget());
        QCOMPARE(menuBarEntries() > 1, expected >= 0);
    }

    // New windows cascade, and so does Cascade Windows after they were moved and made too large,
    // the active window last, in front; Tile Vertical makes columns.
    void windowsCascadeAndTileWithinTheArea()
    {
        QList<QWidget *> windows;
        for (int i = 0; i < 14; ++i)
            windows.append(addWindow()->frameWidget());
        const QRect area = m_frame->mdiArea()->viewport()->rect();
        for (bool arranged : { false, true }) {
            QList<QWidget *> pile = windows;
            if (arranged) {
                for (QWidget *window : windows)
                    window->setGeometry(40, 40, 2000, 2000);
                m_frame->mdiArea()->setActiveSubWindow(static_cast<QMdiSubWindow *>(pile[0]));
                pile.move(0, pile.size() - 1);
                m_frame->arrange(Workspace::Arrangement::Cascade);
            }
            const QPoint step = pile[1]->pos() - pile[0]->pos();
            QVERIFY(pile[0]->pos().isNull() && step.x() > 0 && step.x() == step.y());
            int wraps = 0;
            for (int i = 1; i < pile.size(); ++i) {
                QVERIFY(area.contains(pile[i]->geometry()));
                if (pile[i]->pos() != pile[i - 1]->pos() + step) {
                    QCOMPARE(pile[i]->pos(), QPoint(0, 0));
                    ++wraps;
                }
            }
            QCOMPARE(wraps, 1);
        }
        m_frame->arrange(Workspace::Arrangement::TileVertically);
        const int column = area.width() / 14;
        QCOMPARE(windows[0]->geometry(), QRect(0, 0, column, area.height()));
        QCOMPARE(windows[1]->x(), column);
        // A window moved beyond the area is reached by scrolling.
        windows[0]->move(area.width() - 10, 0);
        QTRY_VERIFY(m_frame->mdiArea()->horizontalScrollBar()->isVisible());
    }

    void windowAddedBeforeShowKeepsItsSize()
    {
        m_frame = std::make_unique<FrameWindow>(m_dialogs, m_workspace);
        QWidget *window = addWindow()->frameWidget();
        QCOMPARE(window->size(), window->sizeHint());
    }

    // Full screen leaves only the page and the leave button; the frame shows its own menu
    // meanwhile. A screen reader must be able to name every control a user can operate, in full
    // screen too.
    void fullScreenShowsTheFramesOwnMenu()
    {
        BrowserWindow *window = addWindow();
        const QStringList bars { "tbar", "tbar2", "sbar", "text2", "Command1", "searchbar" };
        const auto barsShown = [&](bool shown) {
            for (const QString &bar : bars)
                QVERIFY2(window->findChild<QWidget *>(bar)->isVisible() == shown, qPrintable(bar));
            const QStringList unnamed = unnamedInteractiveControls(m_frame.get());
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        };
        barsShown(true);
        window->frameWidget()->resize(300, 200);
        window->menus().fuller->trigger();
        barsShown(false);
        QCOMPARE(menuBarEntries(), 1);
        QVERIFY(window->frameWidget()->isMaximized());
        // The page fills the window as maximized, not as it was before.
        QCOMPARE(window->webControl()->widget()->geometry(), window->rect());
        // F11 is hidden with its menu: only the leave button brings the bars back.
        QVERIFY(!window->menus().fuller->isEnabled());
        QMetaObject::invokeMethod(
            window->findChild<QWidget *>(QStringLiteral("Command2")), "click");
        barsShown(true);
        QVERIFY(!window->isFullScreen() && menuBarEntries() > 1);
        QVERIFY(window->frameWidget()->isMaximized());
    }

    // The normal geometry is kept for a maximized frame; a frame larger than the screen shrinks.
    void placementComesBackAsItWasClosed()
    {
        const QRect normal(40, 30, 500, 400);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect larger(screen.topLeft() + QPoint(100, 100), screen.size() * 2);
        const FramePlacement placement(m_dir->filePath(QStringLiteral("webviewer.ini")));
        for (const auto &[closed, maximized, restored] :
            { std::tuple(normal, true, normal), std::tuple(larger, false, screen) }) {
            QWidget last;
            last.setGeometry(closed);
            if (maximized)
                last.showMaximized();
            placement.save(&last);
            QWidget next;
            placement.restore(&next, QSize(100, 100));
            QCOMPARE(next.geometry(), restored);
            QCOMPARE(next.isMaximized(), maximized);
        }
    }
};

QTEST_MAIN(TestFrameWindow)
#include "tst_framewindow.moc"
