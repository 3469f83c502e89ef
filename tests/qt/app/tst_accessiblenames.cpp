// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader must be able to name every control a user can operate.
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "support/accessiblenames.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

class TestAccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void everyControlOfTheFrameAndABrowserWindowHasAName_data();
    void everyControlOfTheFrameAndABrowserWindowHasAName();
};

void TestAccessibleNames::everyControlOfTheFrameAndABrowserWindowHasAName_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("normal view") << false;
    QTest::newRow("full screen") << true;
}

void TestAccessibleNames::everyControlOfTheFrameAndABrowserWindowHasAName()
{
    QFETCH(bool, fullScreen);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FakeWorkspace workspace;
    FrameWindow frame(dialogs, workspace);
    auto *window = new BrowserWindow(new FakeWebControl, dialogs, workspace, dir.path() + u'/');
    frame.addBrowserWindow(window)->show();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    if (fullScreen)
        window->menus().fuller->trigger();

    const QStringList unnamed = unnamedInteractiveControls(&frame);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
