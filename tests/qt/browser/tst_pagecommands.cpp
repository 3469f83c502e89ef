// SPDX-License-Identifier: GPL-3.0-or-later
// The page commands of a browser window against the fake web control, workspace and dialogs.
#include "browser/browserwindow.h"
#include "browser/findbar.h"
#include "browser/pagepropertiesdialog.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// Scripted dialogs that also remember which printer each printing dialog was shown for.
class PrinterDialogs : public ScriptedDialogs
{
public:
    bool pageSetup(QWidget *parent, QPrinter *printer) override
    {
        setupPrinters.append(printer);
        return ScriptedDialogs::pageSetup(parent, printer);
    }
    bool print(QWidget *parent, QPrinter *printer) override
    {
        printPrinters.append(printer);
        return ScriptedDialogs::print(parent, printer);
    }

    QList<QPrinter *> setupPrinters;
    QList<QPrinter *> printPrinters;
};

// A label's text as a screen reader reads it.
QString labelText(QWidget *parent, const QString &name)
{
    auto *label = parent->findChild<QLabel *>(name);
    return label ? QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name)
                 : QStringLiteral("<missing>");
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPageCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openNavigatesToTheChosenFile_data();
    void openNavigatesToTheChosenFile();
    void saveWritesTheMarkupAndCrLf_data();
    void saveWritesTheMarkupAndCrLf();
    void cancelledSaveWritesNothing();
    void unwritableSaveSaysSoAndKeepsNothingHalfWritten();
    void saveWithImage_data();
    void saveWithImage();
    void checkableEntriesToggleTheControl_data();
    void checkableEntriesToggleTheControl();
    void printSetupAndPrintUseOnePrinter();
    void cancelledPrintDoesNotPrint();
    void printWaitsForThePreviousJob();
    void propertiesShowWhatThePageTells();
    void sourceCodeOpensOnePadPerClick();
    void internetPropertiesChangeTheEngineOnOk_data();
    void internetPropertiesChangeTheEngineOnOk();
    void internetPropertiesClearAtOnce();
    void editMenuRunsCommandsByIndex_data();
    void editMenuRunsCommandsByIndex();
    void searchEntryOpensTheFindBarInTheWindow();
    void ctrlFOpensTheFindBarOverThePage();
    void findBarSearchesAndReports();
    void findBarWithoutWrapStepsBackAtTheEnd();
    void findBarEscClosesAndClearsTheHighlight();

private:
    QAction *editEntry(int index) const { return m_window->menus().editer->actions().at(index); }
    FindBar *findBar() const { return m_window->findChild<FindBar *>(QStringLiteral("findBar")); }
    QLineEdit *findText() const
    {
        return findBar()->findChild<QLineEdit *>(QStringLiteral("findText"));
    }
    QString findStatus() const { return labelText(findBar(), QStringLiteral("findStatus")); }
    void openFindBar();
    template <typename Dialog> Dialog *openedDialog(const char *name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    PrinterDialogs m_dialogs;
    FakeWorkspace m_workspace;
    FakeWebControl *m_web = nullptr;
    BrowserWindow *m_window = nullptr;
};

void TestPageCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = PrinterDialogs();
    m_workspace = FakeWorkspace();
    m_web = new FakeWebControl;
    m_web->widget()->setFocusPolicy(Qt::StrongFocus);
    m_window = new BrowserWindow(m_web, m_dialogs, m_workspace, m_dir->path() + u'/');
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_web->calls.clear();
}

void TestPageCommands::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_web = nullptr;
}

template <typename Dialog> Dialog *TestPageCommands::openedDialog(const char *name) const
{
    const auto dialogs = m_window->findChildren<Dialog *>(QLatin1String(name));
    return dialogs.size() == 1 && dialogs.first()->isVisible() ? dialogs.first() : nullptr;
}

void TestPageCommands::openNavigatesToTheChosenFile_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QStringList>("navigations");
    const QString path = QStringLiteral("/tmp/some page.html");
    QTest::newRow("chosen file") << std::optional<QString>(path) << QStringList { path };
    QTest::newRow("cancelled") << std::optional<QString>() << QStringList {};
}

void TestPageCommands::openNavigatesToTheChosenFile()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QStringList, navigations);
    m_web->navigations.clear();
    m_dialogs.openAnswers.enqueue(answer);

    m_window->menus().opener->trigger();

    QCOMPARE(m_dialogs.openRequests, 1);
    QCOMPARE(m_dialogs.lastFilter, QStringLiteral("All Files (*)"));
    QCOMPARE(m_web->navigations, navigations);
}

void TestPageCommands::saveWritesTheMarkupAndCrLf_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("several lines, one CR LF added at the end")
        << QStringLiteral("<head><title>T</title></head>\n<body>\n<p>a</p>\n</body>")
        << QByteArray("<head><title>T</title></head>\n<body>\n<p>a</p>\n</body>\r\n") << false;
    QTest::newRow("replaces an older file")
        << QStringLiteral("<body>new</body>") << QByteArray("<body>new</body>\r\n") << true;
}

void TestPageCommands::saveWritesTheMarkupAndCrLf()
{
    QFETCH(QString, markup);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fileExists);
    const QString path = m_dir->filePath(QStringLiteral("saved.htm"));
    if (fileExists) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4096, 'x'));
    }
    m_web->markup = markup;
    m_dialogs.saveAnswers.enqueue(path);

    m_window->menus().sav->trigger();

    QCOMPARE(m_web->calls, QStringList { QStringLiteral("requestMarkup") });
    QCOMPARE(m_dialogs.saveRequests, 1);
    QCOMPARE(m_dialogs.lastFilter, QStringLiteral("All Files (*)"));
    QCOMPARE(fileBytes(path), bytes);
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::cancelledSaveWritesNothing()
{
    m_web->markup = QStringLiteral("<body>x</body>");
    m_dialogs.saveAnswers.enqueue(std::nullopt);

    m_window->menus().sav->trigger();

    QCOMPARE(m_dialogs.saveRequests, 1);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::unwritableSaveSaysSoAndKeepsNothingHalfWritten()
{
    const QString path = m_dir->filePath(QStringLiteral("no such folder/page.htm"));
    m_web->markup = QStringLiteral("<body>x</body>");
    m_dialogs.saveAnswers.enqueue(path);

    m_window->menus().sav->trigger();

    QCOMPARE(m_dialogs.messages.size(), 1);
    const auto message = m_dialogs.messages.first();
    QCOMPARE(message.title, QStringLiteral("Error"));
    QCOMPARE(message.icon, Dialogs::Icon::Critical);
    QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY(
        QDir(m_dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

void TestPageCommands::saveWithImage_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QStringList>("calls");
    const QString path = QStringLiteral("/tmp/page.html");
    QTest::newRow("no address: nothing")
        << QString() << std::optional<QString>(path) << 0 << QStringList {};
    QTest::newRow("saved through the control")
        << QStringLiteral("http://127.0.0.1/") << std::optional<QString>(path) << 1
        << QStringList { QStringLiteral("savePage ") + path };
    QTest::newRow("cancelled") << QStringLiteral("http://127.0.0.1/") << std::optional<QString>()
                               << 1 << QStringList {};
}

void TestPageCommands::saveWithImage()
{
    QFETCH(QString, url);
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, dialogs);
    QFETCH(QStringList, calls);
    m_web->url = url;
    m_dialogs.saveAnswers.enqueue(answer);

    m_window->menus().savi->trigger();

    QCOMPARE(m_dialogs.saveRequests, dialogs);
    QCOMPARE(m_web->calls, calls);
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::checkableEntriesToggleTheControl_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("onCall");
    QTest::addColumn<QString>("offCall");
    QTest::newRow("edit mode") << QStringLiteral("editm") << QStringLiteral("designMode on")
                               << QStringLiteral("designMode off");
    QTest::newRow("work offline") << QStringLiteral("wkoff") << QStringLiteral("offline")
                                  << QStringLiteral("online");
}

void TestPageCommands::checkableEntriesToggleTheControl()
{
    QFETCH(QString, entry);
    QFETCH(QString, onCall);
    QFETCH(QString, offCall);
    auto *action = m_window->findChild<QAction *>(entry);
    QVERIFY(action);
    QVERIFY(!action->isChecked());

    action->trigger();
    QVERIFY(action->isChecked());
    QCOMPARE(m_web->calls, QStringList { onCall });

    // Navigation leaves the mark alone.
    emit m_web->documentComplete(QUrl(QStringLiteral("http://127.0.0.1/next")));
    QVERIFY(action->isChecked());

    action->trigger();
    QVERIFY(!action->isChecked());
    QCOMPARE(m_web->calls, (QStringList { onCall, offCall }));
}

void TestPageCommands::printSetupAndPrintUseOnePrinter()
{
    m_window->menus().printerset->trigger();
    m_window->menus().printer->trigger();

    QCOMPARE(m_dialogs.setupPrinters.size(), 1);
    QCOMPARE(m_dialogs.printPrinters, m_dialogs.setupPrinters);
    QCOMPARE(m_web->calls, QStringList { QStringLiteral("print") });
    QCOMPARE(m_web->printedOn, m_dialogs.setupPrinters.first());
}

void TestPageCommands::cancelledPrintDoesNotPrint()
{
    m_dialogs.acceptPrinting = false;
    m_window->menus().printer->trigger();

    QCOMPARE(m_dialogs.printRequests, 1);
    QVERIFY(m_web->calls.isEmpty());
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::printWaitsForThePreviousJob()
{
    m_window->menus().printer->trigger();
    // The engine still holds the printer: neither dialog may change it now.
    m_window->menus().printer->trigger();
    m_window->menus().printerset->trigger();
    QCOMPARE(m_dialogs.printRequests, 1);
    QCOMPARE(m_dialogs.pageSetupRequests, 0);

    emit m_web->printFinished(false);
    m_window->menus().printer->trigger();
    QCOMPARE(m_dialogs.printRequests, 2);
    QCOMPARE(m_web->calls, (QStringList { QStringLiteral("print"), QStringLiteral("print") }));
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::propertiesShowWhatThePageTells()
{
    m_web->properties = { QStringLiteral("News"), QStringLiteral("https://127.0.0.1/news"),
        QStringLiteral("text/html"), QStringLiteral("01/02/2024 10:00:00"), 1536 };

    m_window->menus().proper->trigger();

    auto *dialog = openedDialog<PagePropertiesDialog>("pageProperties");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Properties"));
    QCOMPARE(labelText(dialog, QStringLiteral("Title")), QStringLiteral("News"));
    QCOMPARE(
        labelText(dialog, QStringLiteral("Address")), QStringLiteral("https://127.0.0.1/news"));
    QCOMPARE(labelText(dialog, QStringLiteral("Protocol")),
        QStringLiteral("HyperText Transfer Protocol with Privacy (HTTPS)"));
    QCOMPARE(
        labelText(dialog, QStringLiteral("Type")), QStringLiteral("HTML Document (text/html)"));
    QCOMPARE(labelText(dialog, QStringLiteral("Size")), QStringLiteral("1,536 bytes"));
    QCOMPARE(labelText(dialog, QStringLiteral("Modified")), QStringLiteral("01/02/2024 10:00:00"));

    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QTRY_VERIFY(m_window->findChildren<PagePropertiesDialog *>().isEmpty());
}

void TestPageCommands::sourceCodeOpensOnePadPerClick()
{
    m_web->markup = QStringLiteral("<head></head><body>one</body>");
    m_window->menus().ss->trigger();
    m_window->menus().ss->trigger();
    m_web->markup = QStringLiteral("<head></head>\n<body>two</body>");
    m_window->menus().ss->trigger();

    QCOMPARE(m_workspace.textPads,
        (QStringList { QStringLiteral("<head></head><body>one</body>"),
            QStringLiteral("<head></head><body>one</body>"),
            QStringLiteral("<head></head>\n<body>two</body>") }));
}

void TestPageCommands::internetPropertiesChangeTheEngineOnOk_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QUrl>("home");
    QTest::addColumn<bool>("javaScript");
    QTest::addColumn<bool>("images");
    QTest::newRow("OK") << true << QUrl(QStringLiteral("http://127.0.0.1/start")) << false << false;
    QTest::newRow("Cancel") << false << QUrl(QStringLiteral("about:blank")) << true << true;
}

void TestPageCommands::internetPropertiesChangeTheEngineOnOk()
{
    QFETCH(bool, accept);
    QFETCH(QUrl, home);
    QFETCH(bool, javaScript);
    QFETCH(bool, images);
    m_web->url = QStringLiteral("http://127.0.0.1/start");

    m_window->menus().intpro->trigger();

    auto *dialog = openedDialog<QDialog>("internetProperties");
    QVERIFY(dialog);
    auto *homePage = dialog->findChild<QLineEdit *>(QStringLiteral("homePage"));
    QCOMPARE(homePage->text(), QStringLiteral("about:blank"));
    dialog->findChild<QPushButton *>(QStringLiteral("useCurrent"))->click();
    QCOMPARE(homePage->text(), m_web->url);
    dialog->findChild<QCheckBox *>(QStringLiteral("javaScript"))->setChecked(false);
    dialog->findChild<QCheckBox *>(QStringLiteral("images"))->setChecked(false);
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();

    QCOMPARE(m_web->settings.home, home);
    QCOMPARE(m_web->settings.javaScript, javaScript);
    QCOMPARE(m_web->settings.images, images);
}

void TestPageCommands::internetPropertiesClearAtOnce()
{
    m_window->menus().intpro->trigger();
    auto *dialog = openedDialog<QDialog>("internetProperties");
    QVERIFY(dialog);

    dialog->findChild<QPushButton *>(QStringLiteral("clearCache"))->click();
    QCOMPARE(m_web->settings.cacheClears, 1);
    QCOMPARE(m_web->settings.cookieClears, 0);
    dialog->findChild<QPushButton *>(QStringLiteral("clearCookies"))->click();
    QCOMPARE(m_web->settings.cookieClears, 1);
    // Even a cancelled dialog has cleared them.
    dialog->reject();
    QCOMPARE(m_web->settings.cacheClears, 1);
}

void TestPageCommands::editMenuRunsCommandsByIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<WebControl::Command>("command");
    QTest::newRow("0 Undo") << 0 << WebControl::Command::Undo;
    QTest::newRow("1 Redo") << 1 << WebControl::Command::Redo;
    QTest::newRow("3 Cut") << 3 << WebControl::Command::Cut;
    QTest::newRow("4 Copy") << 4 << WebControl::Command::Copy;
    QTest::newRow("5 Paste") << 5 << WebControl::Command::Paste;
    QTest::newRow("6 Delete") << 6 << WebControl::Command::Delete;
    QTest::newRow("8 Select All") << 8 << WebControl::Command::SelectAll;
}

void TestPageCommands::editMenuRunsCommandsByIndex()
{
    QFETCH(int, index);
    QFETCH(WebControl::Command, command);

    editEntry(index)->trigger();

    QCOMPARE(m_web->commands, QList<WebControl::Command> { command });
    QVERIFY(m_web->calls.isEmpty());
}

// Wherever the focus is, as when the menu is used with the mouse.
void TestPageCommands::searchEntryOpensTheFindBarInTheWindow()
{
    editEntry(10)->trigger();

    QVERIFY(findBar()->isVisible());
    QVERIFY(findText()->hasFocus());
}

void TestPageCommands::openFindBar()
{
    m_web->widget()->setFocus();
    QTRY_VERIFY(m_web->widget()->hasFocus());
    QTest::keyClick(m_web->widget(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(findBar()->isVisible());
    m_web->calls.clear();
}

void TestPageCommands::ctrlFOpensTheFindBarOverThePage()
{
    openFindBar();

    QVERIFY(findText()->hasFocus());
    const QRect page = m_web->widget()->geometry();
    const QRect bar = findBar()->geometry();
    QCOMPARE(bar.top(), page.top());
    QCOMPARE(bar.right(), page.right());
    QVERIFY(page.contains(bar));

    // It follows the page when the window changes size.
    m_window->resize(m_window->width() + 80, m_window->height());
    QTRY_COMPARE(findBar()->geometry().right(), m_web->widget()->geometry().right());
}

void TestPageCommands::findBarSearchesAndReports()
{
    openFindBar();

    QTest::keyClicks(findText(), QStringLiteral("ab"));
    QCOMPARE(m_web->calls,
        (QStringList {
            QStringLiteral("find a forward nocase"), QStringLiteral("find ab forward nocase") }));
    emit m_web->findFinished(0, 0);
    QCOMPARE(findStatus(), QStringLiteral("Not found"));
    emit m_web->findFinished(3, 1);
    QCOMPARE(findStatus(), QStringLiteral("1 of 3"));

    m_web->calls.clear();
    QTest::keyClick(findText(), Qt::Key_Return);
    QTest::keyClick(findText(), Qt::Key_Return, Qt::ShiftModifier);
    findBar()->findChild<QToolButton *>(QStringLiteral("findNext"))->click();
    findBar()->findChild<QToolButton *>(QStringLiteral("findPrevious"))->click();
    findBar()->findChild<QCheckBox *>(QStringLiteral("findMatchCase"))->click();
    QCOMPARE(m_web->calls,
        (QStringList { QStringLiteral("find ab forward nocase"),
            QStringLiteral("find ab backward nocase"), QStringLiteral("find ab forward nocase"),
            QStringLiteral("find ab backward nocase"), QStringLiteral("find ab forward case") }));
}

void TestPageCommands::findBarWithoutWrapStepsBackAtTheEnd()
{
    openFindBar();
    findBar()->findChild<QCheckBox *>(QStringLiteral("findWrap"))->setChecked(false);
    QTest::keyClicks(findText(), QStringLiteral("x"));
    emit m_web->findFinished(2, 1);
    QTest::keyClick(findText(), Qt::Key_Return);
    emit m_web->findFinished(2, 2);
    m_web->calls.clear();

    QTest::keyClick(findText(), Qt::Key_Return);
    emit m_web->findFinished(2, 1); // the engine went round to the first match

    QCOMPARE(m_web->calls,
        (QStringList {
            QStringLiteral("find x forward nocase"), QStringLiteral("find x backward nocase") }));
    QCOMPARE(findStatus(), QStringLiteral("Reached the end of the page"));
    emit m_web->findFinished(2, 2);
    QCOMPARE(findStatus(), QStringLiteral("Reached the end of the page"));
}

void TestPageCommands::findBarEscClosesAndClearsTheHighlight()
{
    openFindBar();
    QTest::keyClicks(findText(), QStringLiteral("x"));
    m_web->calls.clear();

    QTest::keyClick(findText(), Qt::Key_Escape);

    QVERIFY(findBar()->isHidden());
    QCOMPARE(m_web->calls, QStringList { QStringLiteral("find  forward nocase") });
    QVERIFY(m_web->widget()->hasFocus());
    // A late result of the closed search shows nothing.
    emit m_web->findFinished(0, 0);
    QVERIFY(findStatus().isEmpty());
}

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
