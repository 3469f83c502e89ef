// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/twips.h"
#include "favourites/favouriteswindow.h"
#include "support/accessiblenames.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
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

    void showsItsCaptionsAndHidesTheAddresses();
    void placesControlsInTwips_data();
    void placesControlsInTwips();
    void paintsTheBoxesBlueOnCream_data();
    void paintsTheBoxesBlueOnCream();
    void tabsThroughTheControlsInOrder();
    void everyInteractiveControlHasAName();
    void loadsTheFileWithNothingSelected();
    void fillPutsThePageIntoTheBoxes();

    void addAppendsTheBoxesUnchecked_data();
    void addAppendsTheBoxesUnchecked();
    void renameThenAddMovesTheEntryToTheEnd();
    void renameThenCloseDropsTheEntry();
    void deleteKeyTwiceRemovesFirstThenLast();
    void deleteWithNothingSelectedChangesNothing();
    void deletingTheLastFavouriteEmptiesTheFile();
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

void TestFavouritesWindow::showsItsCaptionsAndHidesTheAddresses()
{
    openWindow({});
    QCOMPARE(m_window->objectName(), QStringLiteral("frmfav"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Orbello's Web Viewer - Favourites"));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->font().family(), QStringLiteral("Arial"));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Name:"));
    QCOMPARE(child<QLabel>("Label2")->text(), QStringLiteral("Url:"));
    QCOMPARE(button("Command1")->text(), QStringLiteral("Add"));
    QCOMPARE(button("Command2")->text(), QStringLiteral("Delete"));
    QCOMPARE(button("Command3")->text(), QStringLiteral("Rename"));
    QCOMPARE(button("Command4")->text(), QStringLiteral("Go!"));
    QVERIFY(!child<QListWidget>("urllist")->isVisible());
    QVERIFY(child<QFrame>("Line1")->isVisible());
    QCOMPARE(nameBox()->accessibleName(), QStringLiteral("Name"));
    QCOMPARE(urlBox()->accessibleName(), QStringLiteral("Url"));
    QVERIFY(!names()->accessibleName().isEmpty());
    QVERIFY(nameBox()->text().isEmpty());
    QVERIFY(urlBox()->text().isEmpty());
}

void TestFavouritesWindow::placesControlsInTwips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRectF>("twips");
    QTest::newRow("name label") << "Label1" << QRectF(120, 120, 1455, 495);
    QTest::newRow("url label") << "Label2" << QRectF(240, 480, 975, 375);
    QTest::newRow("name box") << "txtname" << QRectF(720, 120, 4455, 285);
    QTest::newRow("url box") << "txturl" << QRectF(720, 480, 4455, 285);
    QTest::newRow("add") << "Command1" << QRectF(4200, 960, 975, 375);
    QTest::newRow("names") << "namelist" << QRectF(120, 960, 3975, 4530);
    QTest::newRow("addresses") << "urllist" << QRectF(2760, 960, 1335, 3210);
    QTest::newRow("delete") << "Command2" << QRectF(4200, 1440, 975, 375);
    QTest::newRow("rename") << "Command3" << QRectF(4200, 1920, 975, 375);
    QTest::newRow("go") << "Command4" << QRectF(4200, 2400, 975, 375);
}

void TestFavouritesWindow::placesControlsInTwips()
{
    QFETCH(QString, control);
    QFETCH(QRectF, twips);
    openWindow({});
    const double dpi = m_window->logicalDpiX();
    auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), Twips::toPixels(twips, dpi));
    QCOMPARE(m_window->size(), QSize(Twips::toPixels(5310, dpi), Twips::toPixels(5610, dpi)));
    // The rule runs across the window between the boxes and the list.
    const QRect line = child<QFrame>("Line1")->geometry();
    QCOMPARE(line.top(), Twips::toPixels(840, dpi));
    QCOMPARE(line.width(), Twips::toPixels(5280, dpi));
}

void TestFavouritesWindow::paintsTheBoxesBlueOnCream_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("name box") << "txtname";
    QTest::newRow("url box") << "txturl";
    QTest::newRow("names") << "namelist";
}

void TestFavouritesWindow::paintsTheBoxesBlueOnCream()
{
    QFETCH(QString, control);
    openWindow({});
    const QPalette palette = m_window->findChild<QWidget *>(control)->palette();
    QCOMPARE(palette.color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(palette.color(QPalette::Base), QColor(255, 250, 238));
}

void TestFavouritesWindow::tabsThroughTheControlsInOrder()
{
    openWindow({});
    // What Tab visits: the next widget in the focus chain that takes tab focus and is shown.
    QStringList visited;
    QWidget *widget = nameBox();
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(m_window))
            visited.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != nameBox());
    QCOMPARE(visited,
        QStringList(
            { "txtname", "txturl", "Command1", "namelist", "Command2", "Command3", "Command4" }));
}

void TestFavouritesWindow::everyInteractiveControlHasAName()
{
    openWindow(threeFavourites);
    const QStringList unnamed = unnamedInteractiveControls(m_window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
}

void TestFavouritesWindow::loadsTheFileWithNothingSelected()
{
    openWindow(threeFavourites + "\"Lone name\"\r\n");
    QCOMPARE(texts(names()), QStringList({ "Alpha", "Beta", "Gamma" }));
    QCOMPARE(texts(child<QListWidget>("urllist")),
        QStringList({ "http://alpha.example/", "http://beta.example/", "http://gamma.example/" }));
    QVERIFY(names()->selectedItems().isEmpty());
}

void TestFavouritesWindow::fillPutsThePageIntoTheBoxes()
{
    openWindow(threeFavourites);
    m_window->fill(QStringLiteral("Some page"), QStringLiteral("http://page.example/"));
    QCOMPARE(nameBox()->text(), QStringLiteral("Some page"));
    QCOMPARE(urlBox()->text(), QStringLiteral("http://page.example/"));
    QCOMPARE(fileBytes(), threeFavourites);
}

void TestFavouritesWindow::addAppendsTheBoxesUnchecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("empty boxes") << ""
                                 << "" << QByteArray("\"\",\"\"\r\n");
    QTest::newRow("duplicate") << "Beta"
                               << "http://beta.example/"
                               << QByteArray("\"Beta\",\"http://beta.example/\"\r\n");
    QTest::newRow("no prefix added")
        << "Bare"
        << "bare.example" << QByteArray("\"Bare\",\"bare.example\"\r\n");
}

void TestFavouritesWindow::addAppendsTheBoxesUnchecked()
{
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QByteArray, line);
    openWindow(threeFavourites);
    m_window->fill(name, address);

    button("Command1")->click();

    QCOMPARE(fileBytes(), threeFavourites + line);
    QCOMPARE(names()->count(), 4);
    QCOMPARE(names()->currentRow(), 3);
    QVERIFY(names()->item(3)->isSelected());
    QCOMPARE(nameBox()->text(), name);
    QCOMPARE(urlBox()->text(), address);
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

void TestFavouritesWindow::deletingTheLastFavouriteEmptiesTheFile()
{
    openWindow("\"Only\",\"http://only.example/\"\r\n");
    clickRow(0);
    button("Command2")->click();

    QCOMPARE(names()->count(), 0);
    QCOMPARE(fileBytes(), QByteArray());
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
    const ScriptedDialogs::Message &message = m_dialogs.messages.first();
    QCOMPARE(message.text, QStringLiteral("Nothing is selected!"));
    QCOMPARE(message.title, QStringLiteral("Error"));
    QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(message.icon, Dialogs::Icon::Critical);
    // The message alone: no blank browser window, nothing taken out of the list or the boxes.
    QVERIFY(m_workspace.openedBrowserAddresses.isEmpty());
    QCOMPARE(names()->count(), 3);
    QCOMPARE(nameBox()->text(), QStringLiteral("Typed"));
    QCOMPARE(fileBytes(), threeFavourites);
}

QTEST_MAIN(TestFavouritesWindow)
#include "tst_favouriteswindow.moc"
