// SPDX-License-Identifier: GPL-3.0-or-later
// The page commands of a browser window against the fake web control, workspace and dialogs.
#include "browser/browserwindow.h"
#include "browser/findbar.h"
#include "browser/pagepropertiesdialog.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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
        printers.append(printer);
        return ScriptedDialogs::pageSetup(parent, printer);
    }
    bool print(QWidget *parent, QPrinter *printer) override
    {
        printers.append(printer);
        return ScriptedDialogs::print(parent, printer);
    }
    QList<QPrinter *> printers;
};

// A label's text as a screen reader reads it.
QString labelText(QWidget *parent, const char *name)
{
    auto *label = parent->findChild<QLabel *>(QLatin1String(name));
    return label ? QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name)
                 : QStringLiteral("<missing>");
}

} // namespace

class TestPageCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandsReachTheControl_data();
    void commandsReachTheControl();
    void saveWritesTheMarkupAndCrLf();
    void unwritableSaveSaysSoAndWritesNothing();
    void printSetupAndPrintUseOnePrinterOneJobAtATime();
    void propertiesShowWhatThePageTells();
    void sourceCodeOpensOnePadPerClick();
    void internetPropertiesChangeTheEngineOnOk_data();
    void internetPropertiesChangeTheEngineOnOk();
    void searchEntryOpensTheFindBarOverThePage();
    void findBarSearchesAndReports();
    void findBarWithoutWrapStepsBackAtTheEnd();
    void findBarEscClosesAndClearsTheHighlight();

private:
    FindBar *findBar() const { return m_window->findChild<FindBar *>(); }
    QLineEdit *findText() const { return findBar()->findChild<QLineEdit *>(); }
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
}

template <typename Dialog> Dialog *TestPageCommands::openedDialog(const char *name) const
{
    const auto dialogs = m_window->findChildren<Dialog *>(QLatin1String(name));
    return dialogs.size() == 1 && dialogs.first()->isVisible() ? dialogs.first() : nullptr;
}

void TestPageCommands::commandsReachTheControl_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("url");
    QTest::addColumn<std::optional<QString>>("chosen");
    QTest::addColumn<QStringList>("calls");
    const std::optional<QString> path = QStringLiteral("/tmp/some page.html");
    QTest::newRow("open") << "opener" << 1 << "" << path << QStringList { "navigate " + *path };
    QTest::newRow("open cancelled")
        << "opener" << 1 << "" << std::optional<QString>() << QStringList {};
    QTest::newRow("save with image")
        << "savi" << 1 << "http://127.0.0.1/" << path << QStringList { "savePage " + *path };
    QTest::newRow("save with image of no page") << "savi" << 1 << "" << path << QStringList {};
    QTest::newRow("edit mode twice")
        << "editm" << 2 << "" << path << QStringList { "designMode on", "designMode off" };
    QTest::newRow("offline twice")
        << "wkoff" << 2 << "" << path << QStringList { "offline", "online" };
}

void TestPageCommands::commandsReachTheControl()
{
    QFETCH(QString, entry);
    QFETCH(int, times);
    QFETCH(std::optional<QString>, chosen);
    QFETCH(QString, url);
    m_web->url = url;
    m_dialogs.openAnswers.enqueue(chosen);
    m_dialogs.saveAnswers.enqueue(chosen);
    auto *action = m_window->findChild<QAction *>(entry);
    for (int i = 0; i < times; ++i) {
        action->trigger();
        emit m_web->documentComplete(QUrl()); // navigation leaves the check marks alone
        QCOMPARE(action->isChecked(), action->isCheckable() && i == 0);
    }
    QTEST(m_web->calls, "calls");
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::saveWritesTheMarkupAndCrLf()
{
    const QString path = m_dir->filePath(QStringLiteral("saved.htm"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(4096, 'x')) > 0);
    old.close();
    m_web->markup = QStringLiteral("<head></head>\n<body>\n</body>");
    m_dialogs.saveAnswers.enqueue(path);
    m_window->menus().sav->trigger();
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("<head></head>\n<body>\n</body>\r\n"));
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommands::unwritableSaveSaysSoAndWritesNothing()
{
    const QString path = m_dir->filePath(QStringLiteral("no such folder/page.htm"));
    m_dialogs.saveAnswers.enqueue(path);
    m_window->menus().sav->trigger();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages.first().text.contains(path), qPrintable(path));
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestPageCommands::printSetupAndPrintUseOnePrinterOneJobAtATime()
{
    m_window->menus().printerset->trigger();
    m_window->menus().printer->trigger();
    QCOMPARE(m_dialogs.printers.size(), 2);
    QCOMPARE(m_dialogs.printers.at(1), m_dialogs.printers.at(0));
    QCOMPARE(m_web->printedOn, m_dialogs.printers.first());
    // The engine still holds the printer: neither dialog may change it now.
    m_window->menus().printer->trigger();
    m_window->menus().printerset->trigger();
    QCOMPARE(m_dialogs.printers.size(), 2);
    emit m_web->printFinished(false);
    m_window->menus().printer->trigger();
    QCOMPARE(m_web->calls, QStringList(2, QStringLiteral("print")));
}

void TestPageCommands::propertiesShowWhatThePageTells()
{
    m_web->properties = { QStringLiteral("News"), QStringLiteral("https://127.0.0.1/news"),
        QStringLiteral("text/html"), QStringLiteral("01/02/2024 10:00:00"), 1536 };
    m_window->menus().proper->trigger();
    auto *dialog = openedDialog<PagePropertiesDialog>("pageProperties");
    QVERIFY(dialog);
    QCOMPARE(labelText(dialog, "Title"), QStringLiteral("News"));
    QCOMPARE(labelText(dialog, "Size"), QStringLiteral("1,536 bytes"));
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QTRY_VERIFY(m_window->findChildren<PagePropertiesDialog *>().isEmpty());
}

void TestPageCommands::sourceCodeOpensOnePadPerClick()
{
    m_web->markup = QStringLiteral("<head></head>\n<body>one</body>");
    m_window->menus().ss->trigger();
    m_window->menus().ss->trigger();
    QCOMPARE(m_workspace.textPads, QStringList(2, m_web->markup));
}

void TestPageCommands::internetPropertiesChangeTheEngineOnOk_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

// Home page and switches change on OK only; the clearing buttons act at once.
void TestPageCommands::internetPropertiesChangeTheEngineOnOk()
{
    QFETCH(bool, accept);
    m_web->url = QStringLiteral("http://127.0.0.1/start");
    m_window->menus().intpro->trigger();
    auto *dialog = openedDialog<QDialog>("internetProperties");
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>(QStringLiteral("useCurrent"))->click();
    dialog->findChild<QCheckBox *>(QStringLiteral("javaScript"))->setChecked(false);
    dialog->findChild<QPushButton *>(QStringLiteral("clearCookies"))->click();
    QCOMPARE(m_web->settings.cookieClears, 1);
    QCOMPARE(m_web->settings.cacheClears, 0);
    dialog->findChild<QDialogButtonBox *>()
        ->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
        ->click();
    QCOMPARE(m_web->settings.home.toString(), accept ? m_web->url : QStringLiteral("about:blank"));
    QCOMPARE(m_web->settings.javaScript, !accept);
    QVERIFY(m_web->settings.images);
}

void TestPageCommands::openFindBar()
{
    m_web->widget()->setFocus();
    QTRY_VERIFY(m_web->widget()->hasFocus());
    QTest::keyClick(m_web->widget(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(findBar()->isVisible());
    QVERIFY(findText()->hasFocus());
    m_web->calls.clear();
}

// Wherever the focus is, as when the menu is used with the mouse.
void TestPageCommands::searchEntryOpensTheFindBarOverThePage()
{
    m_window->menus().editer->actions().at(10)->trigger();
    QVERIFY(findBar()->isVisible());
    QVERIFY(findText()->hasFocus());
    const QRect page = m_web->widget()->geometry();
    QVERIFY(page.contains(findBar()->geometry()));
    QCOMPARE(findBar()->geometry().topRight(), page.topRight());
}

void TestPageCommands::findBarSearchesAndReports()
{
    openFindBar();
    QTest::keyClicks(findText(), QStringLiteral("ab"));
    emit m_web->findFinished(0, 0);
    QCOMPARE(labelText(findBar(), "findStatus"), QStringLiteral("Not found"));
    emit m_web->findFinished(3, 1);
    QCOMPARE(labelText(findBar(), "findStatus"), QStringLiteral("1 of 3"));
    QTest::keyClick(findText(), Qt::Key_Return, Qt::ShiftModifier);
    findBar()->findChild<QToolButton *>(QStringLiteral("findNext"))->click();
    findBar()->findChild<QCheckBox *>(QStringLiteral("findMatchCase"))->click();
    QCOMPARE(m_web->calls,
        (QStringList { "find a forward nocase", "find ab forward nocase", "find ab backward nocase",
            "find ab forward nocase", "find ab forward case" }));
}

void TestPageCommands::findBarWithoutWrapStepsBackAtTheEnd()
{
    openFindBar();
    findBar()->findChild<QCheckBox *>(QStringLiteral("findWrap"))->setChecked(false);
    QTest::keyClicks(findText(), QStringLiteral("x"));
    emit m_web->findFinished(2, 2);
    m_web->calls.clear();
    QTest::keyClick(findText(), Qt::Key_Return);
    emit m_web->findFinished(2, 1); // the engine went round to the first match
    QCOMPARE(m_web->calls, (QStringList { "find x forward nocase", "find x backward nocase" }));
    QCOMPARE(labelText(findBar(), "findStatus"), QStringLiteral("Reached the end of the page"));
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
    emit m_web->findFinished(0, 0); // a late result of the closed search shows nothing
    QVERIFY(labelText(findBar(), "findStatus").isEmpty());
}

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
