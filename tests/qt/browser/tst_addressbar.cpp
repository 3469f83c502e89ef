// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/addressbar.h"
#include "support/fakewebcontrol.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {
enum class Closing { Enter, ArrowKeys, FocusLeaves };
} // namespace
Q_DECLARE_METATYPE(Closing)

class TestAddressBar : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_web.navigations.clear();
        m_window = std::make_unique<QWidget>();
    }

    // Enter and Go submit what was typed, not the completion; this window's list gets every
    // address, the history file each address once. A double click at the end selects all for Go.
    void submitsTheTypedPartToListAndFile()
    {
        openBar("xa\r\nxb\r\n");
        QTest::keyClick(m_bar->box(), Qt::Key_X);
        QCOMPARE(edit()->text(), QStringLiteral("xb"));
        QCOMPARE(edit()->selectedText(), QStringLiteral("b"));
        QTest::keyClick(m_bar->box(), Qt::Key_Return);
        QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);
        QCOMPARE(m_web.navigations, QStringList(2, QStringLiteral("x")));
        QCOMPARE(edit()->text(), QStringLiteral("x"));
        QCOMPARE(m_bar->box()->count(), 4);
        QFile file(historyPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("xa\r\nxb\r\nx\r\n"));

        edit()->setText(QStringLiteral("see example.org"));
        const QPoint end(edit()->width() - 4, edit()->height() / 2);
        QTest::mouseClick(edit(), Qt::LeftButton, {}, end);
        QTest::mouseDClick(edit(), Qt::LeftButton, {}, end);
        QCOMPARE(edit()->selectedText(), edit()->text());
        QTest::mouseClick(m_bar->goButton(), Qt::LeftButton);
        QCOMPARE(m_web.navigations.last(), QStringLiteral("see example.org"));
    }

    // Only a choice in the dropped-down list navigates, once, and is not added to the list again.
    void dropDownListNavigatesOnlyOnAChoice_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::addColumn<QStringList>("navigations");
        // Enter goes down in the list, which closes; its release then lands in the box.
        QTest::newRow("Enter on an entry") << Closing::Enter << QStringList { "http://two.org/" };
        QTest::newRow("Esc, arrow keys") << Closing::ArrowKeys << QStringList();
        QTest::newRow("Esc, focus leaves on an entry") << Closing::FocusLeaves << QStringList();
    }

    void dropDownListNavigatesOnlyOnAChoice()
    {
        QFETCH(Closing, closing);
        openBar("http://one.org/\r\nhttp://two.org/\r\n");
        m_bar->box()->showPopup();
        QAbstractItemView *list = m_bar->box()->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyPress(list, closing == Closing::Enter ? Qt::Key_Return : Qt::Key_Escape);
        QTRY_VERIFY(!list->isVisible());
        if (closing == Closing::Enter) {
            QTest::keyRelease(m_bar->box(), Qt::Key_Return);
        } else if (closing == Closing::FocusLeaves) {
            edit()->setText(QStringLiteral("http://two.org/"));
            m_bar->goButton()->setFocus();
            QTRY_VERIFY(!m_bar->box()->hasFocus());
        } else {
            QTest::keyClick(m_bar->box(), Qt::Key_Down);
            QTest::keyClick(m_bar->box(), Qt::Key_Down);
        }
        QCOMPARE(edit()->text(), QStringLiteral("http://two.org/"));
        QTEST(m_web.navigations, "navigations");
        QCOMPARE(m_bar->box()->count(), 2);
    }

    // Typing keeps a page's address from overwriting the box until 5 s after the last key. Then
    // neither the release of A with Ctrl held, nor that of Ctrl, nor an A let go after its Ctrl
    // may complete over a page address the history holds.
    void typingGuardExpiresAndCtrlASelectsThePageAddress()
    {
        openBar("http://page.org/\r\n");
        QTest::keyClick(m_bar->box(), Qt::Key_Left);
        QVERIFY(!m_bar->isTypingGuardOn()); // keys that make no character do not start it
        auto *guard = m_window->findChild<QTimer *>(QStringLiteral("Timer2"));
        QCOMPARE(guard->interval(), 5000);
        guard->setInterval(50);
        QTest::keyClicks(m_bar->box(), QStringLiteral("typed"));
        m_bar->showPageAddress(QStringLiteral("http://other.org/"));
        QCOMPARE(edit()->text(), QStringLiteral("typed"));
        QTRY_VERIFY(!m_bar->isTypingGuardOn());
        m_bar->showPageAddress(QStringLiteral("http://page.org/"));
        QCOMPARE(edit()->text(), QStringLiteral("http://page.org/"));
        QTest::keyClick(m_bar->box(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit()->selectedText(), QStringLiteral("http://page.org/"));
        edit()->deselect();
        QTest::keyPress(m_bar->box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyRelease(m_bar->box(), Qt::Key_Control);
        QTest::keyRelease(m_bar->box(), Qt::Key_A);
        QCOMPARE(edit()->selectedText(), QStringLiteral("http://page.org/"));
    }

private:
    QString historyPath() const { return m_dir->filePath(QStringLiteral("history.txt")); }
    QLineEdit *edit() const { return m_bar->box()->lineEdit(); }

    // A bar in a shown, active window, its history loaded and the box focused, as after a window
    // load.
    void openBar(const QByteArray &history)
    {
        QFile file(historyPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(history) == history.size());
        file.close();
        m_bar = new AddressBar(&m_web, historyPath(), m_window.get());
        m_bar->box()->setGeometry(0, 0, 400, 30);
        m_bar->goButton()->setGeometry(400, 0, 30, 30);
        m_bar->loadHistory();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_bar->box()->setFocus();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeWebControl m_web;
    std::unique_ptr<QWidget> m_window;
    AddressBar *m_bar = nullptr;
};

QTEST_MAIN(TestAddressBar)
#include "tst_addressbar.moc"
