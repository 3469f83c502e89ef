// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favouriteswindow.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray threeFavourites = "\"Alpha\",\"http://alpha.example/\"\r\n"
                                   "\"Beta\",\"http://beta.example/\"\r\n"
                                   "\"Gamma\",\"http://gamma.example/\"\r\n";

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

} // namespace

class TestFavouritesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addAppendsTheBoxesUnchecked();
    void renameThenAddMovesTheEntryToTheEnd();
    void renameThenCloseDropsTheEntry();
    void deleteKeyTwiceRemovesFirstThenLast();
    void deleteWithNothingSelectedChangesNothing();
    void unreadableFileIsReportedOnceWhenShown();
    void opensTheSelectedAddressInANewWindow_data();
    void opensTheSelectedAddressInANewWindow();
    void nothingSelectedIsReported_data();
    void nothingSelectedIsReported();

private:
    QString dataPath() const { return m_dir->filePath(QStringLiteral("favourites.dat")); }
    void writeFile(const QByteArray &bytes);
    QByteArray fileBytes() const;
    FavouritesWindow *openWindow(const QByteArray &file);
    void clickRow(int row);

    template <typename T> T *child(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("missing control %s", name);
        return found;
    }
    QListWidget *names() const { return child<QListWidget>("namelist"); }
    QLineEdit *nameBox() const { return child<QLineEdit>("txtname"); }
    QLineEdit *urlBox() const { return child<QLineEdit>("txturl"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
    FakeWorkspace m_workspace;
    QPointer<FavouritesWindow> m_window;
};

void TestFavouritesWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = ScriptedDialogs();
    m_workspace = FakeWorkspace();
}

void TestFavouritesWindow::cleanup()
{
    delete m_window;
    m_dir.reset();
}

void TestFavouritesWindow::writeFile(const QByteArray &bytes)
{
    QFile file(dataPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFavouritesWindow::fileBytes() const
{
    QFile file(dataPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

FavouritesWindow *TestFavouritesWindow::openWindow(const QByteArray &file)
{
    writeFile(file);
    m_window = new FavouritesWindow(m_dialogs, m_workspace, dataPath());
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        qFatal("favourites window never shown");
    return m_window;
}

void TestFavouritesWindow::clickRow(int row)
{
    QListWidget *list = names();
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Add takes the boxes as they are, a duplicate too, saves and selects the new entry.
void TestFavouritesWindow::addAppendsTheBoxesUnchecked()
{
    openWindow(threeFavourites);
    QVERIFY(names()->selectedItems().isEmpty());
    m_window->fill(QStringLiteral("Beta"), QStringLiteral("http://beta.example/"));
    button("Command1")->click();
    QCOMPARE(fileBytes(), threeFavourites + "\"Beta\",\"http://beta.example/\"\r\n");
    QCOMPARE(names()->currentRow(), 3);
    QVERIFY(names()->item(3)->isSelected());
    QCOMPARE(nameBox()->text(), QStringLiteral("Beta"));
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestFavouritesWindow::renameThenAddMovesTheEntryToTheEnd()
{
    openWindow(threeFavourites);
    clickRow(0);
    button("Command3")->click();

    QCOMPARE(nameBox()->text(), QStringLiteral("Alpha"));
    QCOMPARE(urlBox()->text(), QStringLiteral("http://alpha.example/"));
    QCOMPARE(texts(names()), QStringList({ "Beta", "Gamma" }));
    QCOMPARE(fileBytes(), threeFavourites); // not saved until committed

    nameBox()->setText(QStringLiteral("Alpha, renamed"));
    button("Command1")->click();

    QCOMPARE(texts(names()), QStringList({ "Beta", "Gamma", "Alpha, renamed" }));
    QCOMPARE(fileBytes(),
        QByteArray("\"Beta\",\"http://beta.example/\"\r\n"
                   "\"Gamma\",\"http://gamma.example/\"\r\n"
                   "\"Alpha, renamed\",\"http://alpha.example/\"\r\n"));
}

void TestFavouritesWindow::renameThenCloseDropsTheEntry()
{
    openWindow(threeFavourites);
    clickRow(1);
    button("Command3")->click();

    QVERIFY(m_window->close());

    QCOMPARE(fileBytes(),
        QByteArray("\"Alpha\",\"http://alpha.example/\"\r\n"
                   "\"Gamma\",\"http://gamma.example/\"\r\n"));
    // Closed means gone; the next use loads the file afresh.
    QTRY_VERIFY(m_window.isNull());
}

void TestFavouritesWindow::deleteKeyTwiceRemovesFirstThenLast()
{
    openWindow(threeFavourites);
    clickRow(0);

    QTest::keyRelease(names(), Qt::Key_Delete);
    QCOMPARE(texts(names()), QStringList({ "Beta", "Gamma" }));
    QCOMPARE(names()->currentRow(), 1);

    QTest::keyRelease(names(), Qt::Key_Delete);
    QCOMPARE(texts(names()), QStringList({ "Beta" }));
    QCOMPARE(fileBytes(), QByteArray("\"Beta\",\"http://beta.example/\"\r\n"));
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestFavouritesWindow::deleteWithNothingSelectedChangesNothing()
{
    // Line ends a save would rewrite, so any save would show in the bytes.
    const QByteArray file = "\"Alpha\",\"http://alpha.example/\"\n\"Lone\"";
    openWindow(file);

    button("Command2")->click();
    QTest::keyRelease(names(), Qt::Key_Delete);

    QCOMPARE(texts(names()), QStringList({ "Alpha" }));
    QCOMPARE(fileBytes(), file);
    QVERIFY(m_dialogs.messages.isEmpty());
}

// Here a folder stands where the file should be: it is there, but cannot be read.
void TestFavouritesWindow::unreadableFileIsReportedOnceWhenShown()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("favourites.dat")));
    m_window = new FavouritesWindow(m_dialogs, m_workspace, dataPath());
    m_window->show();
    QTRY_COMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages.first().text.contains(QDir::toNativeSeparators(dataPath())));
    m_window->hide();
    m_window->show();
    QCoreApplication::processEvents();
    QCOMPARE(m_dialogs.messages.size(), 1);
}

void TestFavouritesWindow::opensTheSelectedAddressInANewWindow_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Go! button") << false;
    QTest::newRow("double-click on the name") << true;
}

void TestFavouritesWindow::opensTheSelectedAddressInANewWindow()
{
    QFETCH(bool, doubleClick);
    openWindow(threeFavourites);

    // A double click reaches a widget as a click followed by the double-click event.
    clickRow(1);
    if (doubleClick) {
        const QRect rect = names()->visualItemRect(names()->item(1));
        QTest::mouseDClick(names()->viewport(), Qt::LeftButton, {}, rect.center());
    } else {
        button("Command4")->click();
    }

    QCOMPARE(m_workspace.openedBrowserAddresses, QStringList({ "http://beta.example/" }));
    QVERIFY(m_dialogs.messages.isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(names()->count(), 3);
}

void TestFavouritesWindow::nothingSelectedIsReported_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Rename") << "Command3";
    QTest::newRow("Go!") << "Command4";
}

void TestFavouritesWindow::nothingSelectedIsReported()
{
    QFETCH(QString, command);
    openWindow(threeFavourites);
    m_window->fill(QStringLiteral("Typed"), QStringLiteral("http://typed.example/"));

    button(command.toLatin1().constData())->click();

    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages.first().text, QStringLiteral("Nothing is selected!"));
    // The message alone: no blank browser window, nothing taken out of the list or the boxes.
    QVERIFY(m_workspace.openedBrowserAddresses.isEmpty());
    QCOMPARE(names()->count(), 3);
    QCOMPARE(nameBox()->text(), QStringLiteral("Typed"));
    QCOMPARE(fileBytes(), threeFavourites);
}

QTEST_MAIN(TestFavouritesWindow)
#include "tst_favouriteswindow.moc"
