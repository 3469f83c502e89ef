// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/searchaddress.h"
#include "browser/searchbox.h"
#include "browser/toolstoolbar.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestToolsToolbar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void search_data();
    void search();
    void clickInSearchBox_data();
    void clickInSearchBox();
    void favouritesShowsThisPage();
    void historyPopsUpAtTheMouse();

private:
    QToolButton *button(int index) const
    {
        return qobject_cast<QToolButton *>(m_bar->widgetForAction(m_bar->entry(index)));
    }
    void click(int index) const { QTest::mouseClick(button(index), Qt::LeftButton); }

    std::unique_ptr<FakeWebControl> m_web;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FakeWorkspace> m_workspace;
    std::unique_ptr<QMenu> m_history;
    std::unique_ptr<ToolsToolbar> m_bar;
};

void TestToolsToolbar::init()
{
    m_web = std::make_unique<FakeWebControl>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_workspace = std::make_unique<FakeWorkspace>();
    m_history = std::make_unique<QMenu>(QStringLiteral("History"));
    m_history->addAction(QStringLiteral("Clear All History"));
    m_bar = std::make_unique<ToolsToolbar>(m_web.get(), *m_dialogs, *m_workspace, m_history.get());
    m_bar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
}

void TestToolsToolbar::cleanup()
{
    m_bar.reset();
    m_history.reset();
    m_workspace.reset();
    m_dialogs.reset();
    m_web.reset();
}

void TestToolsToolbar::search_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("key"); // 0: the "Search Engine" button
    QTest::newRow("Return") << "red fox" << int(Qt::Key_Return);
    QTest::newRow("button") << "C#" << 0;
    QTest::newRow("Return, empty") << QString() << int(Qt::Key_Return);
}

// Typing alone never searches; an empty phrase gets a message instead of a search.
void TestToolsToolbar::search()
{
    QFETCH(QString, phrase);
    QFETCH(int, key);
    SearchBox *box = m_bar->searchBox();
    box->setFocus();
    QTest::keyClicks(box, phrase);
    QVERIFY(m_web->navigations.isEmpty());
    if (key)
        QTest::keyClick(box, Qt::Key(key));
    else
        click(ToolsToolbar::SearchEngine);
    QCOMPARE(m_web->navigations,
        phrase.isEmpty() ? QStringList() : QStringList { searchAddress(phrase) });
    QCOMPARE(m_dialogs->messages.size(), phrase.isEmpty() ? 1 : 0);
    QCOMPARE(box->text(), phrase);
}

void TestToolsToolbar::clickInSearchBox_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("afterTheEnd"); // else inside the first word
    QTest::addColumn<QString>("selected");

    QTest::newRow("after the end selects all") << "red fox" << true << "red fox";
    QTest::newRow("inside leaves the caret") << "red fox" << false << QString();
}

void TestToolsToolbar::clickInSearchBox()
{
    QFETCH(QString, phrase);
    QFETCH(bool, afterTheEnd);
    QFETCH(QString, selected);

    SearchBox *box = m_bar->searchBox();
    box->setText(phrase);
    box->setCursorPosition(0);
    const int textLeft = box->contentsRect().left() + box->textMargins().left() + 2;
    const int x = afterTheEnd
        ? box->width() - 4
        : textLeft + box->fontMetrics().horizontalAdvance(QStringLiteral("re"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, box->height() / 2));

    QCOMPARE(box->selectedText(), selected);
    if (!afterTheEnd) {
        QVERIFY(box->cursorPosition() > 0);
        QVERIFY(box->cursorPosition() < phrase.length());
    }
}

void TestToolsToolbar::favouritesShowsThisPage()
{
    m_web->name = QStringLiteral("Example Domain");
    m_web->url = QStringLiteral("http://www.example.com/");
    click(ToolsToolbar::Favourites);
    QCOMPARE(m_workspace->favouritesShown,
        (QList<QPair<QString, QString>> { { m_web->name, m_web->url } }));
}

void TestToolsToolbar::historyPopsUpAtTheMouse()
{
    QCursor::setPos(m_bar->mapToGlobal(QPoint(40, 60)));
    const QPoint mouse = QCursor::pos();
    m_bar->entry(ToolsToolbar::History)->trigger();
    QTRY_VERIFY(m_history->isVisible());
    QCOMPARE(m_history->pos(), mouse);
    m_history->hide();
}

QTEST_MAIN(TestToolsToolbar)
#include "tst_toolstoolbar.moc"
