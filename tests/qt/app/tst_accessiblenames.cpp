// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader must be able to name every control a user can operate.
#include "app/framewindow.h"
#include "browser/browserwindow.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

class TestAccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void everyInteractiveControlHasAName();

private:
    void collectUnnamed(QAccessibleInterface *node, const QString &path, QStringList &unnamed);
};

namespace {
bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::ProgressBar:
    case QAccessible::List:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}
}

void TestAccessibleNames::collectUnnamed(QAccessibleInterface *node, const QString &path,
                                         QStringList &unnamed)
{
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString here = path + u'/' + (node->object() ? node->object()->objectName() : QString())
        + u'(' + QString::number(node->role(), 16) + u')';
    if (isInteractive(node->role()) && name.isEmpty())
        unnamed.append(here);
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed);
}

void TestAccessibleNames::everyInteractiveControlHasAName()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FakeWorkspace workspace;
    FrameWindow frame(dialogs, workspace);
    auto *window = new BrowserWindow(new FakeWebControl, dialogs, workspace, dir.path() + u'/');
    frame.addBrowserWindow(window)->show();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&frame), QString(), unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
