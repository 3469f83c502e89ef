// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favouriteswindow.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QtTest>
#include <QtWidgets>

namespace {
const QByteArray alphaLine = "\"Alpha\",\"http://alpha.example/\"\r\n";
const QByteArray betaLine = "\"Beta\",\"http://beta.example/\"\r\n";
const QByteArray gammaLine = "\"Gamma\",\"http://gamma.example/\"\r\n";
} // namespace

class TestFavouritesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs = ScriptedDialogs();
        m_workspace = FakeWorkspace();
        QFile file(dataPath());
        QVERIFY(
            file.open(QIODevice::WriteOnly) && file.write(alphaLine + betaLine + gammaLine) > 0);
        file.close();
        openWindow();
    }

    void cleanup() { delete m_window; }

    // Rename takes an entry out into the boxes, unsaved: Add puts it back at the end, Close drops
    // it.
    void renameThenAddOrClose()
    {
        clickRow(0);
        click("Command3");
        QCOMPARE(nameBox()->text(), QStringLiteral("Alpha"));
        QCOMPARE(names()->count(), 2);
        QCOMPARE(fileBytes(), alphaLine + betaLine + gammaLine);
        nameBox()->setText(QStringLiteral("Alpha, renamed"));
        click("Command1"); // Add saves, and selects what it added
        const QByteArray renamed = "\"Alpha, renamed\",\"http://alpha.example/\"\r\n";
        QCOMPARE(fileBytes(), betaLine + gammaLine + renamed);
        QVERIFY(names()->item(2)->isSelected());
        clickRow(0);
        click("Command3");
        QVERIFY(m_window->close());
        QCOMPARE(fileBytes(), gammaLine + renamed);
    }

    void deleteKeyTwiceRemovesFirstThenLast()
    {
        clickRow(0);
        QTest::keyRelease(names(), Qt::Key_Delete);
        QCOMPARE(names()->currentRow(), 1);
        QTest::keyRelease(names(), Qt::Key_Delete);
        QCOMPARE(fileBytes(), betaLine);
        QVERIFY(m_dialogs.messages.isEmpty());
    }

    void commandWithNothingSelected_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("messages");
        QTest::newRow("Delete") << "Command2" << 0;
        QTest::newRow("Rename") << "Command3" << 1;
        QTest::newRow("Go!") << "Command4" << 1;
    }

    // At most a message: no blank browser window, nothing taken out of the list, boxes or file.
    void commandWithNothingSelected()
    {
        QFETCH(QString, command);
        m_window->fill(QStringLiteral("Typed"), QStringLiteral("http://typed.example/"));
        click(command);
        QTEST(int(m_dialogs.messages.size()), "messages");
        QVERIFY(m_workspace.openedBrowserAddresses.isEmpty());
        QCOMPARE(names()->count(), 3);
        QCOMPARE(nameBox()->text(), QStringLiteral("Typed"));
        QCOMPARE(fileBytes(), alphaLine + betaLine + gammaLine);
    }

    void goAndDoubleClickOpenTheSelectedAddress()
    {
        clickRow(1);
        click("Command4");
        clickRow(2, true);
        QCOMPARE(m_workspace.openedBrowserAddresses,
            QStringList({ "http://beta.example/", "http://gamma.example/" }));
        QVERIFY(m_window->isVisible() && m_dialogs.messages.isEmpty());
    }

    // Here a folder stands where the file should be: it is there, but cannot be read.
    void unreadableFileIsReportedOnceWhenShown()
    {
        delete m_window;
        QVERIFY(QFile::remove(dataPath())
            && QDir(m_dir->path()).mkdir(QStringLiteral("favourites.dat")));
        openWindow();
        QTRY_COMPARE(m_dialogs.messages.size(), 1);
        QVERIFY(m_dialogs.messages.first().text.contains(QDir::toNativeSeparators(dataPath())));
        m_window->hide();
        m_window->show();
        QCoreApplication::processEvents();
        QCOMPARE(m_dialogs.messages.size(), 1);
    }

private:
    QString dataPath() const { return m_dir->filePath(QStringLiteral("favourites.dat")); }

    QByteArray fileBytes() const
    {
        QFile file(dataPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void openWindow()
    {
        m_window = new FavouritesWindow(m_dialogs, m_workspace, dataPath());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    // A double click reaches a widget as a click followed by the double-click event.
    void clickRow(int row, bool twice = false)
    {
        const QPoint centre = names()->visualItemRect(names()->item(row)).center();
        QTest::mouseClick(names()->viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(names()->viewport(), Qt::LeftButton, {}, centre);
    }

    QListWidget *names() const { return m_window->findChild<QListWidget *>("namelist"); }
    QLineEdit *nameBox() const { return m_window->findChild<QLineEdit *>("txtname"); }
    void click(const QString &button) { m_window->findChild<QPushButton *>(button)->click(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    QPointer<FavouritesWindow> m_window;
};

QTEST_MAIN(TestFavouritesWindow)
#include "tst_favouriteswindow.moc"
