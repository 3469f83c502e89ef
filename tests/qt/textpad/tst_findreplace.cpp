// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

// The pad's find and replace bar, driven by its keys and buttons; the matching rules themselves are
// tested on their own.
class TestFindReplace : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ctrlHOpensTheBarAndTypingFinds();
    void f3AndShiftF3StepThroughTheMatches();
    void replaceReplacesTheMatchAndMovesOn();
    void replaceAllIsOneUndoStepAndCounts();

private:
    RichTextControl *tb() const { return m_pad->document(); }
    QWidget *bar() const { return m_pad->findChild<QWidget *>(QStringLiteral("findBar")); }
    template <typename T> T *barChild(const char *name) const
    {
        return bar()->findChild<T *>(QLatin1String(name));
    }
    QString status() const { return barChild<QLabel>("findStatus")->text(); }
    void search(const QString &text);

    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    FakeLauncher m_launcher;
    TextPadWindow *m_pad = nullptr;
};

void TestFindReplace::init()
{
    m_pad = new TextPadWindow(m_dialogs, m_workspace, m_launcher);
    m_pad->show();
    m_pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pad));
    tb()->setText(QStringLiteral("<b>one</b> <B>two</B>\r\n<br>"));
    tb()->setSelStart(0);
}

void TestFindReplace::cleanup()
{
    delete m_pad;
}

void TestFindReplace::search(const QString &text)
{
    QTest::keyClick(tb(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClicks(barChild<QLineEdit>("findText"), text);
}

void TestFindReplace::ctrlHOpensTheBarAndTypingFinds()
{
    QVERIFY(bar()->isHidden());
    search(QStringLiteral("b>"));
    QVERIFY(bar()->isVisible());
    QVERIFY(barChild<QLineEdit>("findText")->hasFocus());
    QCOMPARE(tb()->selStart(), 1);
    QCOMPARE(tb()->selText(), QStringLiteral("b>"));
    // The document keeps its place above the bar.
    QVERIFY(tb()->mapTo(m_pad, QPoint(0, tb()->height())).y() <= bar()->mapTo(m_pad, QPoint()).y());
    QTest::keyClick(barChild<QLineEdit>("findText"), Qt::Key_Escape);
    QVERIFY(bar()->isHidden());
    QVERIFY(tb()->hasFocus());
}

void TestFindReplace::f3AndShiftF3StepThroughTheMatches()
{
    search(QStringLiteral("b>"));
    barChild<QCheckBox>("findMatchCase")->setChecked(true);
    QTest::keyClick(tb(), Qt::Key_F3);
    QCOMPARE(tb()->selStart(), 8); // "</b>"; "<B>" does not match the case
    QTest::keyClick(tb(), Qt::Key_F3);
    QCOMPARE(tb()->selStart(), 1);
    QCOMPARE(status(), QStringLiteral("Reached the end of the document, continued from the top"));
    QTest::keyClick(tb(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(tb()->selStart(), 8);
    barChild<QLineEdit>("findText")->setText(QStringLiteral("on"));
    barChild<QCheckBox>("findWholeWords")->setChecked(true);
    QTest::keyClick(tb(), Qt::Key_F3);
    QCOMPARE(status(), QStringLiteral("Not found"));
}

void TestFindReplace::replaceReplacesTheMatchAndMovesOn()
{
    search(QStringLiteral("<b>"));
    barChild<QLineEdit>("replaceText")->setText(QStringLiteral("<i>"));
    barChild<QToolButton>("replaceOne")->click();
    QCOMPARE(tb()->text(), QStringLiteral("<i>one</b> <B>two</B>\r\n<br>"));
    QCOMPARE(tb()->selStart(), 11);
    QVERIFY(!m_pad->isSaved());
}

void TestFindReplace::replaceAllIsOneUndoStepAndCounts()
{
    const QString original = tb()->text();
    search(QStringLiteral("b"));
    barChild<QCheckBox>("findWholeWords")->setChecked(true);
    barChild<QLineEdit>("replaceText")->setText(QStringLiteral("strong"));
    barChild<QToolButton>("replaceAll")->click();
    QCOMPARE(tb()->text(), QStringLiteral("<strong>one</strong> <strong>two</strong>\r\n<br>"));
    QCOMPARE(status(), QStringLiteral("Replaced 4 occurrences"));
    tb()->undo();
    QCOMPARE(tb()->text(), original);
}

QTEST_MAIN(TestFindReplace)
#include "tst_findreplace.moc"
