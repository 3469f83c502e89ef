// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/searchbox.h"
#include "browser/toolstoolbar.h"
#include "common/core/twips.h"
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

    void entries_data();
    void entries();
    void searchBoxPlaceAndLook();
    void search_data();
    void search();
    void clickInSearchBox_data();
    void clickInSearchBox();
    void findDoesNothing();
    void favouritesShowsThisPage_data();
    void favouritesShowsThisPage();
    void historyPopsUpAtTheMouse();
    void historyWithoutAMenuIsHarmless();
    void antiPopupsToggles_data();
    void antiPopupsToggles();

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
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestToolsToolbar::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("separator");
    QTest::addColumn<bool>("hasImage");
    QTest::addColumn<bool>("checkable");

    QTest::newRow("1 blank") << 1 << QString() << false << false << false;
    QTest::newRow("2 blank") << 2 << QString() << false << false << false;
    QTest::newRow("3 blank") << 3 << QString() << false << false << false;
    QTest::newRow("4 Search Engine") << 4 << "Search Engine" << false << true << false;
    QTest::newRow("5 Find") << 5 << "Find  " << false << false << false;
    QTest::newRow("6 Favourites") << 6 << "Favourites   " << false << true << false;
    QTest::newRow("7 History") << 7 << "History     " << false << true << false;
    QTest::newRow("8 separator") << 8 << QString() << true << false << false;
    QTest::newRow("9 Anti-Popups") << 9 << "Anti-Popups" << false << true << true;
    QTest::newRow("10 separator") << 10 << QString() << true << false << false;
}

void TestToolsToolbar::entries()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(bool, separator);
    QFETCH(bool, hasImage);
    QFETCH(bool, checkable);

    QCOMPARE(m_bar->objectName(), QStringLiteral("tbar2"));
    QCOMPARE(m_bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QAction *action = m_bar->entry(index);
    QVERIFY(action);
    QCOMPARE(action->isSeparator(), separator);
    QCOMPARE(action->isCheckable(), checkable);
    if (separator)
        return;
    // What the bar shows, trailing spaces included.
    QCOMPARE(button(index)->text(), caption);
    QCOMPARE(!action->icon().isNull(), hasImage);
}

void TestToolsToolbar::searchBoxPlaceAndLook()
{
    SearchBox *box = m_bar->searchBox();
    QCOMPARE(box->objectName(), QStringLiteral("searchbar"));
    QCOMPARE(box->parentWidget(), m_bar.get());
    QCOMPARE(box->accessibleName(), QStringLiteral("Search"));
    const QRect expected(Twips::toPixels(1560, box->logicalDpiX()),
        Twips::toPixels(5, box->logicalDpiY()), Twips::toPixels(2175, box->logicalDpiX()),
        Twips::toPixels(285, box->logicalDpiY()));
    QCOMPARE(box->geometry(), expected);

    QCOMPARE(box->font().families().value(0), QStringLiteral("Arial"));
    QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 250, 238));

    // The box lies over the blank entries and leaves "Search Engine" free to click.
    QCOMPARE(m_bar->childAt(box->geometry().center()), box);
    QVERIFY2(button(ToolsToolbar::SearchEngine)->x() > box->geometry().right(),
        qPrintable(QStringLiteral("Search Engine at %1, box ends at %2")
                       .arg(button(ToolsToolbar::SearchEngine)->x())
                       .arg(box->geometry().right())));
}

void TestToolsToolbar::search_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("key"); // 0: the "Search Engine" button
    QTest::addColumn<QString>("address"); // empty: the empty-phrase message instead

    const QString prefix
        = QStringLiteral("http://www.google.com/search?hl=en&lr=&ie=UTF-8&oe=UTF-8&q=");
    const QString suffix = QStringLiteral("&btnG=Google+Search");
    QTest::newRow("Return, two words")
        << "red fox" << int(Qt::Key_Return) << prefix + "red+fox" + suffix;
    QTest::newRow("keypad Enter, ampersand")
        << "AT&T" << int(Qt::Key_Enter) << prefix + "AT%26T" + suffix;
    QTest::newRow("button, hash") << "C#" << 0 << prefix + "C%23" + suffix;
    QTest::newRow("button, spaces only") << "   " << 0 << prefix + "+++" + suffix;
    QTest::newRow("Return, empty") << QString() << int(Qt::Key_Return) << QString();
    QTest::newRow("button, empty") << QString() << 0 << QString();
}

void TestToolsToolbar::search()
{
    QFETCH(QString, phrase);
    QFETCH(int, key);
    QFETCH(QString, address);

    SearchBox *box = m_bar->searchBox();
    box->setFocus();
    QTest::keyClicks(box, phrase);
    QVERIFY2(m_web->navigations.isEmpty(), "typing alone must not search");

    if (key)
        QTest::keyClick(box, Qt::Key(key));
    else
        click(ToolsToolbar::SearchEngine);

    if (address.isEmpty()) {
        QVERIFY(m_web->navigations.isEmpty());
        QCOMPARE(m_dialogs->messages.size(), 1);
        const ScriptedDialogs::Message message = m_dialogs->messages.first();
        QCOMPARE(message.text, QStringLiteral("Nothing in search field!"));
        QCOMPARE(message.title, QStringLiteral("Error"));
        QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
        QCOMPARE(message.icon, Dialogs::Icon::Critical);
    } else {
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(m_web->navigations, QStringList { address });
    }
    QCOMPARE(box->text(), phrase);
}

void TestToolsToolbar::clickInSearchBox_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("afterTheEnd"); // else inside the first word
    QTest::addColumn<QString>("selected");

    QTest::newRow("after the end selects all") << "red fox" << true << "red fox";
    QTest::newRow("inside leaves the caret") << "red fox" << false << QString();
    QTest::newRow("empty box") << QString() << true << QString();
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

void TestToolsToolbar::findDoesNothing()
{
    m_web->name = QStringLiteral("Page");
    m_bar->searchBox()->setText(QStringLiteral("fox"));
    click(ToolsToolbar::Find);
    QVERIFY(m_web->calls.isEmpty());
    QVERIFY(m_dialogs->messages.isEmpty());
    QVERIFY(m_workspace->favouritesShown.isEmpty());
    QVERIFY(!m_history->isVisible());
    QVERIFY(!m_bar->popupBlocking());
}

void TestToolsToolbar::favouritesShowsThisPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");

    QTest::newRow("loaded page") << "Example Domain"
                                 << "http://www.example.com/";
    QTest::newRow("blank page") << QString() << "about:blank";
}

void TestToolsToolbar::favouritesShowsThisPage()
{
    QFETCH(QString, name);
    QFETCH(QString, url);

    m_web->name = name;
    m_web->url = url;
    click(ToolsToolbar::Favourites);
    QCOMPARE(m_workspace->favouritesShown.size(), 1);
    QCOMPARE(m_workspace->favouritesShown.first().first, name);
    QCOMPARE(m_workspace->favouritesShown.first().second, url);
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

void TestToolsToolbar::historyWithoutAMenuIsHarmless()
{
    ToolsToolbar bar(m_web.get(), *m_dialogs, *m_workspace, nullptr);
    bar.entry(ToolsToolbar::History)->trigger();
    QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void TestToolsToolbar::antiPopupsToggles_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("blocking");

    QTest::newRow("once switches on") << 1 << true;
    QTest::newRow("twice leaves it off") << 2 << false;
    QTest::newRow("three times on") << 3 << true;
}

void TestToolsToolbar::antiPopupsToggles()
{
    QFETCH(int, clicks);
    QFETCH(bool, blocking);

    QVERIFY(!m_bar->popupBlocking());
    QSignalSpy changes(m_bar.get(), &ToolsToolbar::popupBlockingChanged);
    for (int i = 0; i < clicks; ++i)
        click(ToolsToolbar::AntiPopups);

    QCOMPARE(m_bar->popupBlocking(), blocking);
    QCOMPARE(button(ToolsToolbar::AntiPopups)->isChecked(), blocking);
    QCOMPARE(changes.size(), clicks);
    QCOMPARE(changes.last().first().toBool(), blocking);
}

QTEST_MAIN(TestToolsToolbar)
#include "tst_toolstoolbar.moc"
