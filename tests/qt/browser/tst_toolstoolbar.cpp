// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/searchaddress.h"
#include "browser/searchbox.h"
#include "browser/toolstoolbar.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QMenu>
#include <QTest>
#include <QToolButton>

class TestToolsToolbar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void search_data();
    void search();
    void historyPopsUpAtTheMouse();

private:
    FakeWebControl m_web;
    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    QMenu m_history;
    ToolsToolbar *m_bar = nullptr;
};

void TestToolsToolbar::init()
{
    m_dialogs = ScriptedDialogs();
    m_web.navigations.clear();
    m_bar = new ToolsToolbar(&m_web, m_dialogs, m_workspace, &m_history);
    m_bar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_bar));
}

void TestToolsToolbar::cleanup()
{
    delete m_bar;
}

void TestToolsToolbar::search_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("button"); // else Return in the box
    QTest::newRow("Return") << "red fox" << false;
    QTest::newRow("button") << "C#" << true;
    QTest::newRow("Return, empty") << QString() << false;
}

// Typing alone never searches; an empty phrase gets a message instead of a search.
void TestToolsToolbar::search()
{
    QFETCH(QString, phrase);
    QFETCH(bool, button);
    SearchBox *box = m_bar->searchBox();
    box->setFocus();
    QTest::keyClicks(box, phrase);
    QVERIFY(m_web.navigations.isEmpty());
    if (button)
        QTest::mouseClick(
            m_bar->widgetForAction(m_bar->entry(ToolsToolbar::SearchEngine)), Qt::LeftButton);
    else
        QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(m_web.navigations,
        phrase.isEmpty() ? QStringList() : QStringList { searchAddress(phrase) });
    QCOMPARE(m_dialogs.messages.size(), phrase.isEmpty() ? 1 : 0);
    QCOMPARE(box->text(), phrase);
}

void TestToolsToolbar::historyPopsUpAtTheMouse()
{
    m_history.addAction(QStringLiteral("Clear All History"));
    QCursor::setPos(m_bar->mapToGlobal(QPoint(40, 60)));
    const QPoint mouse = QCursor::pos();
    m_bar->entry(ToolsToolbar::History)->trigger();
    QTRY_VERIFY(m_history.isVisible());
    QCOMPARE(m_history.pos(), mouse);
    m_history.hide();
}

QTEST_MAIN(TestToolsToolbar)
#include "tst_toolstoolbar.moc"
