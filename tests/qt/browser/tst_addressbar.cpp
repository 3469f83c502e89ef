// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/addressbar.h"
#include "support/fakewebcontrol.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class TestAddressBar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetsAreNamed();
    void typing_data();
    void typing();
    void ctrlASelectsAPageAddressTheHistoryHolds();
    void goButtonSubmitsTypedAddress();
    void sameAddressListedTwiceStoredOnce();
    void clearAllHistoryKeepsTextAndIsSilentTwice();
    void addressRoundTripsThroughFile_data();
    void addressRoundTripsThroughFile();
    void choiceInDroppedDownListNavigatesOnce();
    void listClosedWithoutChoiceNeverNavigates_data();
    void listClosedWithoutChoiceNeverNavigates();
    void doubleClick_data();
    void doubleClick();
    void typingGuardKeepsTypedTextFromPageAddress_data();
    void typingGuardKeepsTypedTextFromPageAddress();
    void typingGuardExpires();

private:
    QString historyPath() const { return m_dir->filePath(QStringLiteral("history.txt")); }
    void writeHistory(const QByteArray &bytes) const;
    QByteArray historyBytes() const;
    AddressBar *openBar();
    QLineEdit *edit() const { return m_bar->box()->lineEdit(); }
    QStringList listEntries(const AddressBar *bar) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeWebControl> m_web;
    std::unique_ptr<QWidget> m_window;
    AddressBar *m_bar = nullptr;
};

void TestAddressBar::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_web = std::make_unique<FakeWebControl>();
    m_window = std::make_unique<QWidget>();
}

void TestAddressBar::cleanup()
{
    m_window.reset();
    m_bar = nullptr;
    m_web.reset();
    m_dir.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestAddressBar::writeHistory(const QByteArray &bytes) const
{
    QFile file(historyPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestAddressBar::historyBytes() const
{
    QFile file(historyPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A bar in a shown, active window, its history loaded and the box focused, as after a window load.
AddressBar *TestAddressBar::openBar()
{
    m_bar = new AddressBar(m_web.get(), historyPath(), m_window.get());
    m_bar->box()->setGeometry(0, 0, 400, 30);
    m_bar->goButton()->setGeometry(400, 0, 30, 30);
    m_bar->loadHistory();
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("window not active");
    m_bar->box()->setFocus();
    return m_bar;
}

QStringList TestAddressBar::listEntries(const AddressBar *bar) const
{
    QStringList entries;
    for (int i = 0; i < bar->box()->count(); ++i)
        entries.append(bar->box()->itemText(i));
    return entries;
}

void TestAddressBar::widgetsAreNamed()
{
    openBar();
    QCOMPARE(m_bar->box()->objectName(), QStringLiteral("text2"));
    QCOMPARE(m_bar->box()->accessibleName(), QStringLiteral("Address"));
    QVERIFY(m_bar->box()->isEditable());
    QCOMPARE(m_bar->goButton()->objectName(), QStringLiteral("Command1"));
    QCOMPARE(m_bar->goButton()->toolTip(), QStringLiteral("Go"));
    QVERIFY(!m_bar->goButton()->icon().isNull());
    const auto *guard = m_window->findChild<QTimer *>(QStringLiteral("Timer2"));
    QVERIFY(guard);
    QCOMPARE(guard->interval(), 5000);
    QVERIFY(!m_bar->isTypingGuardOn());
}

using KeyList = QList<Qt::Key>;

void TestAddressBar::typing_data()
{
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<KeyList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QStringList>("navigations");

    QTest::newRow("dot gets http prefix")
        << QByteArray() << "ab." << KeyList {} << "http://ab." << 10 << 0 << QStringList {};
    QTest::newRow("completes from index 1 first")
        << QByteArray("xa\r\nxb\r\n") << "x" << KeyList {} << "xb" << 1 << 1 << QStringList {};
    QTest::newRow("completion ignores case")
        << QByteArray("abc\r\n") << "AB" << KeyList {} << "abc" << 2 << 1 << QStringList {};
    QTest::newRow("typed character replaces completed tail")
        << QByteArray("abcd\r\n") << "ab" << KeyList {} << "abcd" << 2 << 2 << QStringList {};
    QTest::newRow("backspace drops tail without completing")
        << QByteArray("abcd\r\n") << "a" << KeyList { Qt::Key_Backspace } << "a" << 1 << 0
        << QStringList {};
    QTest::newRow("delete drops tail then completes again")
        << QByteArray("abcd\r\n") << "a" << KeyList { Qt::Key_Delete } << "abcd" << 1 << 3
        << QStringList {};
    QTest::newRow("enter after completion goes to typed part")
        << QByteArray("xa\r\nxb\r\n") << "x" << KeyList { Qt::Key_Return } << "x" << 1 << 0
        << QStringList { "x" };
    QTest::newRow("enter keeps completion accepted with End")
        << QByteArray("xb\r\n") << "x" << KeyList { Qt::Key_End, Qt::Key_Return } << "xb" << 2 << 0
        << QStringList { "xb" };
    QTest::newRow("enter with http prefix")
        << QByteArray() << "a.b" << KeyList { Qt::Key_Enter } << "http://a.b" << 10 << 0
        << QStringList { "http://a.b" };
    QTest::newRow("arrow key in closed box never navigates")
        << QByteArray("one\r\ntwo\r\n") << "" << KeyList { Qt::Key_Down } << "one" << 3 << 0
        << QStringList {};
}

void TestAddressBar::typing()
{
    QFETCH(QByteArray, history);
    QFETCH(QString, typed);
    QFETCH(KeyList, keys);
    writeHistory(history);
    openBar();

    QTest::keyClicks(m_bar->box(), typed);
    for (Qt::Key key : keys)
        QTest::keyClick(m_bar->box(), key);

    QTEST(edit()->text(), "text");
    QTEST(edit()->hasSelectedText() ? edit()->selectionStart() : edit()->cursorPosition(),
        "selStart");
    QTEST(int(edit()->selectedText().size()), "selLength");
    QTEST(m_web->navigations, "navigations");
}

// Neither the release of A with Ctrl held nor that of Ctrl may complete over the selection.
void TestAddressBar::ctrlASelectsAPageAddressTheHistoryHolds()
{
    writeHistory("http://a.org/\r\n");
    openBar();
    m_bar->showPageAddress(QStringLiteral("http://a.org/"));
    QTest::keyClick(m_bar->box(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit()->selectedText(), QStringLiteral("http://a.org/"));
}

void TestAddressBar::goButtonSubmitsTypedAddress()
{
    writeHistory("http://example.org/\r\n");
    openBar();
    QTest::keyClicks(m_bar->box(), QStringLiteral("news.example.com"));
    QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);

    QCOMPARE(m_web->navigations, QStringList { "http://news.example.com" });
    QCOMPARE(listEntries(m_bar), QStringList({ "http://example.org/", "http://news.example.com" }));
    QCOMPARE(historyBytes(), QByteArray("http://example.org/\r\nhttp://news.example.com\r\n"));
}

void TestAddressBar::sameAddressListedTwiceStoredOnce()
{
    openBar();
    for (int i = 0; i < 2; ++i) {
        edit()->setText(QStringLiteral("http://a.org/"));
        QTest::keyClick(m_bar->box(), Qt::Key_Return);
    }
    QCOMPARE(m_web->navigations, QStringList({ "http://a.org/", "http://a.org/" }));
    QCOMPARE(listEntries(m_bar), QStringList({ "http://a.org/", "http://a.org/" }));
    QCOMPARE(historyBytes(), QByteArray("http://a.org/\r\n"));

    AddressBar newWindowBar(m_web.get(), historyPath(), m_window.get());
    newWindowBar.loadHistory();
    QCOMPARE(listEntries(&newWindowBar), QStringList { "http://a.org/" });
    QVERIFY(newWindowBar.box()->currentText().isEmpty());
}

void TestAddressBar::clearAllHistoryKeepsTextAndIsSilentTwice()
{
    writeHistory("http://a.org/\r\nhttp://b.org/\r\n");
    openBar();
    edit()->setText(QStringLiteral("kept"));

    m_bar->clearAllHistory();
    QVERIFY(!QFile::exists(historyPath()));
    QCOMPARE(m_bar->box()->count(), 0);
    QCOMPARE(edit()->text(), QStringLiteral("kept"));

    m_bar->clearAllHistory();
    QCOMPARE(edit()->text(), QStringLiteral("kept"));

    QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);
    QCOMPARE(historyBytes(), QByteArray("kept\r\n"));
    QCOMPARE(listEntries(m_bar), QStringList { "kept" });
}

void TestAddressBar::addressRoundTripsThroughFile_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("comma") << "http://a.org/?x=1,2";
    QTest::newRow("double quote") << "http://a.org/?q=\"hi\"";
    QTest::newRow("leading space") << " http://a.org/";
    QTest::newRow("trailing space") << "http://a.org/ ";
}

void TestAddressBar::addressRoundTripsThroughFile()
{
    QFETCH(QString, address);
    openBar();
    for (int i = 0; i < 2; ++i) {
        edit()->setText(address);
        QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);
    }
    QCOMPARE(historyBytes().count("\r\n"), 1);

    AddressBar newWindowBar(m_web.get(), historyPath(), m_window.get());
    newWindowBar.loadHistory();
    QCOMPARE(listEntries(&newWindowBar), QStringList { address });
}

void TestAddressBar::choiceInDroppedDownListNavigatesOnce()
{
    writeHistory("http://one.org/\r\nhttp://two.org/\r\n");
    openBar();
    m_bar->box()->showPopup();
    QAbstractItemView *list = m_bar->box()->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    // Enter goes down in the list, which closes; its release then lands in the box.
    QTest::keyPress(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QTest::keyRelease(m_bar->box(), Qt::Key_Return);

    QCOMPARE(m_web->navigations, QStringList { "http://two.org/" });
    QCOMPARE(edit()->text(), QStringLiteral("http://two.org/"));
    QCOMPARE(m_bar->box()->count(), 2); // a choice from the list is not added again
}

void TestAddressBar::listClosedWithoutChoiceNeverNavigates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<KeyList>("keys");
    QTest::addColumn<bool>("leaveBox");
    QTest::addColumn<QString>("text");
    QTest::newRow("arrow key") << "" << KeyList { Qt::Key_Down, Qt::Key_Down } << false
                               << "http://two.org/";
    QTest::newRow("completion") << "http://o" << KeyList {} << false << "http://one.org/";
    QTest::newRow("focus leaves on an entry") << "" << KeyList {} << true << "http://two.org/";
}

void TestAddressBar::listClosedWithoutChoiceNeverNavigates()
{
    QFETCH(QString, typed);
    QFETCH(KeyList, keys);
    QFETCH(bool, leaveBox);
    writeHistory("http://one.org/\r\nhttp://two.org/\r\n");
    openBar();
    m_bar->box()->showPopup();
    QAbstractItemView *list = m_bar->box()->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());

    QTest::keyClicks(m_bar->box(), typed);
    for (Qt::Key key : keys)
        QTest::keyClick(m_bar->box(), key);
    if (leaveBox) {
        edit()->setText(QStringLiteral("http://two.org/"));
        m_bar->goButton()->setFocus();
        QTRY_VERIFY(!m_bar->box()->hasFocus());
    }
    QTEST(edit()->text(), "text");
    QVERIFY(m_web->navigations.isEmpty());
}

void TestAddressBar::doubleClick_data()
{
    QTest::addColumn<bool>("clickAtEnd");
    QTest::addColumn<QString>("selected");
    QTest::newRow("caret at end selects all") << true << "see example.org";
    QTest::newRow("caret inside selects word") << false << "see";
}

void TestAddressBar::doubleClick()
{
    QFETCH(bool, clickAtEnd);
    openBar();
    edit()->setText(QStringLiteral("see example.org"));
    const QPoint point(clickAtEnd ? edit()->width() - 4 : 8, edit()->height() / 2);
    QTest::mouseClick(edit(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(edit(), Qt::LeftButton, {}, point);
    QTEST(edit()->selectedText(), "selected");

    QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);
    QCOMPARE(
        m_web->navigations.value(0), clickAtEnd ? edit()->text() : QStringLiteral(" example.org"));
}

void TestAddressBar::typingGuardKeepsTypedTextFromPageAddress_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("guardOn");
    QTest::addColumn<QString>("text");
    QTest::newRow("character key") << Qt::Key_A << true << "typeda";
    QTest::newRow("backspace") << Qt::Key_Backspace << true << "type";
    QTest::newRow("arrow key") << Qt::Key_Left << false << "http://page.org/";
    QTest::newRow("shift") << Qt::Key_Shift << false << "http://page.org/";
}

void TestAddressBar::typingGuardKeepsTypedTextFromPageAddress()
{
    QFETCH(Qt::Key, key);
    openBar();
    edit()->setText(QStringLiteral("typed"));
    QTest::keyClick(m_bar->box(), key);
    QTEST(m_bar->isTypingGuardOn(), "guardOn");

    m_bar->showPageAddress(QStringLiteral("http://page.org/"));
    QTEST(edit()->text(), "text");
}

void TestAddressBar::typingGuardExpires()
{
    openBar();
    auto *guard = m_window->findChild<QTimer *>(QStringLiteral("Timer2"));
    guard->setInterval(50); // the real period is checked above; only its ending matters here
    QTest::keyClicks(m_bar->box(), QStringLiteral("typed"));
    QVERIFY(m_bar->isTypingGuardOn());
    QTRY_VERIFY(!m_bar->isTypingGuardOn());
    m_bar->showPageAddress(QStringLiteral("http://page.org/"));
    QCOMPARE(edit()->text(), QStringLiteral("http://page.org/"));
}

QTEST_MAIN(TestAddressBar)
#include "tst_addressbar.moc"
