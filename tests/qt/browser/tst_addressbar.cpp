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

    void typing_data();
    void typing();
    void submittedAddressesGoToListAndFile();
    void choiceInDroppedDownListNavigatesOnce();
    void listClosedWithoutChoiceNeverNavigates_data();
    void listClosedWithoutChoiceNeverNavigates();
    void doubleClick_data();
    void doubleClick();
    void typingGuardExpires();
    void ctrlASelectsAPageAddressTheHistoryHolds();

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

    QTest::newRow("completes from index 1 first")
        << QByteArray("xa\r\nxb\r\n") << "x" << KeyList {} << "xb" << 1 << 1 << QStringList {};
    QTest::newRow("enter after completion goes to typed part")
        << QByteArray("xa\r\nxb\r\n") << "x" << KeyList { Qt::Key_Return } << "x" << 1 << 0
        << QStringList { "x" };
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

// Go and Enter submit; this window's list gets every address, the file each address once.
void TestAddressBar::submittedAddressesGoToListAndFile()
{
    writeHistory("http://example.org/\r\n");
    openBar();
    QTest::keyClicks(m_bar->box(), QStringLiteral("news.example.com"));
    QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);
    edit()->setText(QStringLiteral("http://news.example.com"));
    QTest::keyClick(m_bar->box(), Qt::Key_Return);
    const QString news = QStringLiteral("http://news.example.com");
    QCOMPARE(m_web->navigations, QStringList(2, news));
    QCOMPARE(listEntries(m_bar), (QStringList { "http://example.org/", news, news }));
    QCOMPARE(historyBytes(), QByteArray("http://example.org/\r\nhttp://news.example.com\r\n"));
    AddressBar newWindowBar(m_web.get(), historyPath(), m_window.get());
    newWindowBar.loadHistory();
    QCOMPARE(listEntries(&newWindowBar), (QStringList { "http://example.org/", news }));
    QVERIFY(newWindowBar.box()->currentText().isEmpty());
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

// Typing keeps a page's address from overwriting the box until 5 s after the last key.
void TestAddressBar::typingGuardExpires()
{
    openBar();
    QTest::keyClick(m_bar->box(), Qt::Key_Left);
    QVERIFY(!m_bar->isTypingGuardOn()); // keys that make no character do not start it
    auto *guard = m_window->findChild<QTimer *>(QStringLiteral("Timer2"));
    QCOMPARE(guard->interval(), 5000);
    guard->setInterval(50);
    QTest::keyClicks(m_bar->box(), QStringLiteral("typed"));
    QVERIFY(m_bar->isTypingGuardOn());
    m_bar->showPageAddress(QStringLiteral("http://other.org/"));
    QCOMPARE(edit()->text(), QStringLiteral("typed"));
    QTRY_VERIFY(!m_bar->isTypingGuardOn());
    m_bar->showPageAddress(QStringLiteral("http://page.org/"));
    QCOMPARE(edit()->text(), QStringLiteral("http://page.org/"));
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

QTEST_MAIN(TestAddressBar)
#include "tst_addressbar.moc"
