// SPDX-License-Identifier: GPL-3.0-or-later
// A browser window's wiring against the fake web control, workspace and dialogs.
#include "browser/browserwindow.h"
#include "browser/findbar.h"
#include "browser/pagepropertiesdialog.h"
#include "browser/toolstoolbar.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
// Scripted dialogs that also remember the printer Page Setup was shown for.
class PrinterDialogs : public ScriptedDialogs
{
public:
    bool pageSetup(QWidget *parent, QPrinter *printer) override
    {
        setupPrinters.append(printer);
        return ScriptedDialogs::pageSetup(parent, printer);
    }
    QList<QPrinter *> setupPrinters;
};
} // namespace

class TestBrowserWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void signalBoxes_data();
    void signalBoxes();
    void fullScreenAndBack();
    void newWindowRequestHandsOverTheNewControl_data();
    void newWindowRequestHandsOverTheNewControl();
    void windowListShowsTheWorkspacesWindows();
    void tabReachesEveryButton();
    void exitHidesOnlyThisWindow();
    void clearAllHistoryEmptiesTheList();
    void keysFromThePageReachTheirCommands_data();
    void keysFromThePageReachTheirCommands();
    void pageQuestionsAreAnsweredThroughTheDialogs();
    void commandsReachTheControl_data();
    void commandsReachTheControl();
    void saveWritesTheMarkupOrSaysWhyNot();
    void printSetupAndPrintUseOnePrinterOneJobAtATime();
    void propertiesShowWhatThePageTells();
    void internetPropertiesChangeTheEngineOnOk_data();
    void internetPropertiesChangeTheEngineOnOk();
    void findBarSearchesAndStepsBackWithoutWrap();
    void findBarEscClosesAndClearsTheHighlight();

private:
    BrowserWindow *makeWindow(FakeWebControl **control = nullptr);
    QWidget *child(const char *name) { return m_window->findChild<QWidget *>(QLatin1String(name)); }
    QComboBox *addressBox() { return m_window->findChild<QComboBox *>(QStringLiteral("text2")); }
    void focusPage();
    FindBar *findBar() const { return m_window->findChild<FindBar *>(); }
    QLineEdit *findText() const { return findBar()->findChild<QLineEdit *>(); }
    QString findStatus() const;
    void openFindBar();

    std::unique_ptr<QTemporaryDir> m_dir;
    PrinterDialogs m_dialogs;
    FakeWorkspace m_workspace;
    FakeWebControl *m_web = nullptr;
    BrowserWindow *m_window = nullptr;
    QList<BrowserWindow *> m_windows;
};

BrowserWindow *TestBrowserWindow::makeWindow(FakeWebControl **control)
{
    auto *web = new FakeWebControl;
    auto *window = new BrowserWindow(web, m_dialogs, m_workspace, m_dir->path() + u'/');
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_windows.append(window);
    if (control)
        *control = web;
    return window;
}

void TestBrowserWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = PrinterDialogs();
    m_workspace = FakeWorkspace();
    m_window = makeWindow(&m_web);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestBrowserWindow::cleanup()
{
    qDeleteAll(m_windows);
    m_windows.clear();
}

void TestBrowserWindow::focusPage()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_web->widget()->setFocus();
    m_web->calls.clear();
}

// Pages talk to their window through two hidden boxes: "a" in Text3 hides and mutes a blocked
// pop-up, "cl" in Text1 hides the window and stops it. Other words change nothing.
void TestBrowserWindow::signalBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("word");
    QTest::newRow("pop-up a") << "Text3" << true << "a";
    QTest::newRow("pop-up A") << "Text3" << false << "A";
    QTest::newRow("close cl") << "Text1" << true << "cl";
    QTest::newRow("close CL") << "Text1" << false << "CL";
}

void TestBrowserWindow::signalBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, word);
    QFETCH(bool, hidden);
    auto *edit = m_window->findChild<QLineEdit *>(box);
    edit->setText(word);
    QCOMPARE(!m_window->isVisible(), hidden);
    QCOMPARE(box == u"Text3" ? m_web->audioMuted : m_web->calls.contains(QStringLiteral("stop")),
        hidden);
    QCOMPARE(edit->text(), hidden || box == u"Text3" ? QString() : word);
    QVERIFY(!m_web->calls.contains(QStringLiteral("discard"))); // a hidden page keeps running
}

void TestBrowserWindow::fullScreenAndBack()
{
    const char *bars[] = { "tbar", "tbar2", "sbar", "text2", "Command1", "searchbar" };
    m_window->menus().fuller->trigger();
    for (const char *bar : bars)
        QVERIFY2(!child(bar)->isVisible(), bar);
    QCOMPARE(m_web->widget()->geometry(), m_window->rect());
    auto *leave = m_window->findChild<QToolButton *>(QStringLiteral("Command2"));
    leave->click();
    QVERIFY(!m_window->menus().fuller->isChecked());
    for (const char *bar : bars)
        QVERIFY2(child(bar)->isVisible(), bar);
    QVERIFY(!leave->isVisible());
}

void TestBrowserWindow::newWindowRequestHandsOverTheNewControl_data()
{
    QTest::addColumn<bool>("hiddenPopup"); // the opener is itself a blocked pop-up
    QTest::addColumn<Workspace::PageWindowPlace>("place");
    QTest::newRow("in background") << false << Workspace::PageWindowPlace::Behind;
    QTest::newRow("by a blocked pop-up") << true << Workspace::PageWindowPlace::Hidden;
}

void TestBrowserWindow::newWindowRequestHandsOverTheNewControl()
{
    QFETCH(bool, hiddenPopup);
    QFETCH(Workspace::PageWindowPlace, place);
    FakeWebControl newControl;
    m_workspace.pageWindowControl = &newControl;
    m_window->menus().opnewb->setChecked(true);
    if (hiddenPopup)
        m_window->blockAsPopup();
    WebControl::NewWindowRequest request;
    emit m_web->newWindowRequested(request);
    QCOMPARE(request.target, &newControl);
    using Request = QPair<QWidget *, Workspace::PageWindowPlace>;
    QCOMPARE(m_workspace.pageWindows, QList<Request> { Request(m_window, place) });
}

void TestBrowserWindow::windowListShowsTheWorkspacesWindows()
{
    BrowserWindow *other = makeWindow();
    m_workspace.windows = { { m_window, QStringLiteral("AT&T"), false },
        { other, QStringLiteral("Second"), true } };
    QMenu *sel = m_window->menus().sel;
    emit sel->aboutToShow();
    // Numbered for the keyboard; the title's own "&" stays text.
    QCOMPARE(sel->actions().size(), 2);
    QCOMPARE(sel->actions().at(0)->text(), QStringLiteral("&1 AT&&T"));
    QVERIFY(!sel->actions().at(0)->isChecked() && sel->actions().at(1)->isChecked());
    sel->actions().at(0)->trigger();
    QCOMPARE(m_workspace.activated, QList<QWidget *> { m_window });
}

void TestBrowserWindow::tabReachesEveryButton()
{
    // Most toolbar buttons have no menu entry, so Tab is a keyboard user's only way to them.
    QWidgetList expected { child("Command1"), child("searchbar") };
    for (QToolBar *bar : m_window->findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            QWidget *button = bar->widgetForAction(action);
            if (!action->isSeparator() && action->isEnabled() && button)
                expected.append(button);
        }
    }
    QVERIFY(expected.size() >= 12);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    child("text2")->setFocus(Qt::TabFocusReason);
    QSet<QWidget *> reached;
    for (int i = 0; i < 40; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget *widget : expected)
        QVERIFY2(reached.contains(widget), qPrintable(widget->property("text").toString()));
}

void TestBrowserWindow::exitHidesOnlyThisWindow()
{
    BrowserWindow *other = makeWindow();
    other->show();
    m_window->menus().exiter->trigger();
    QVERIFY(!m_window->isVisible());
    QVERIFY(other->isVisible());
    QVERIFY(m_web->calls.contains(QStringLiteral("discard"))); // its page is let go
}

void TestBrowserWindow::clearAllHistoryEmptiesTheList()
{
    addressBox()->lineEdit()->setText(QStringLiteral("http://127.0.0.1/a"));
    static_cast<QToolButton *>(child("Command1"))->click();
    const QString file = m_dir->filePath(QStringLiteral("history.txt"));
    QVERIFY(QFile::exists(file));
    addressBox()->lineEdit()->setText(QStringLiteral("kept"));
    m_window->menus().clearhist->trigger();
    QCOMPARE(addressBox()->count(), 0);
    QVERIFY(!QFile::exists(file));
    QCOMPARE(addressBox()->currentText(), QStringLiteral("kept"));
}

// The window's keys work while the page has the focus; Esc belongs to the page alone.
void TestBrowserWindow::keysFromThePageReachTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("selected"); // in the address box, which then has the focus
    QTest::newRow("refresh and stop")
        << QKeySequence(QStringLiteral("F5, Esc")) << QStringList { "refresh", "stop" } << "";
    QTest::newRow("address") << QKeySequence(QStringLiteral("Ctrl+L")) << QStringList()
                             << "http://example.org/";
}

void TestBrowserWindow::keysFromThePageReachTheirCommands()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, selected);
    addressBox()->setEditText(QStringLiteral("http://example.org/"));
    focusPage();
    QTest::keySequence(m_web->widget(), keys);
    QTEST(m_web->calls, "calls");
    QCOMPARE(addressBox()->lineEdit()->selectedText(), selected);
    QCOMPARE(addressBox()->hasFocus(), !selected.isEmpty());
}

void TestBrowserWindow::pageQuestionsAreAnsweredThroughTheDialogs()
{
    m_dialogs.signInAnswers.enqueue(Dialogs::Credentials { QStringLiteral("ann"), "secret" });
    WebControl::SignInRequest signIn { QStringLiteral("example.org"), QStringLiteral("Staff") };
    emit m_web->signInRequested(signIn);
    QCOMPARE(m_dialogs.signInRequests, QStringList { QStringLiteral("example.org Staff") });
    QVERIFY(signIn.accepted && signIn.password == "secret");

    m_dialogs.answers.enqueue(Dialogs::Answer::Yes);
    WebControl::Question question { QStringLiteral("Allow example.org to use your camera?") };
    emit m_web->questionAsked(question);
    QVERIFY(question.yes);
    // No is the safe answer, so it is the one Enter gives.
    QCOMPARE(m_dialogs.messages.last().buttons, Dialogs::Buttons::YesNoDefaultNo);

    m_dialogs.pageDialogAnswers.enqueue({ true, QStringLiteral("Ann"), true });
    WebControl::PageDialogRequest prompt { WebControl::PageDialogKind::Prompt,
        QStringLiteral("Name?"), QString(), true };
    emit m_web->pageDialogRequested(prompt);
    QCOMPARE(m_dialogs.pageDialogs, QStringList { QStringLiteral("Name? [silence offered]") });
    QVERIFY(prompt.accepted && prompt.silence && prompt.value == "Ann");
}

void TestBrowserWindow::commandsReachTheControl_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("calls");
    const QString path = QStringLiteral("/tmp/some page.html");
    QTest::newRow("open") << "opener" << 1 << "" << QStringList { "navigate " + path };
    QTest::newRow("save with images")
        << "savi" << 1 << "http://127.0.0.1/" << QStringList { "savePage " + path };
    QTest::newRow("save with images of no page") << "savi" << 1 << "" << QStringList {};
    QTest::newRow("edit mode twice")
        << "editm" << 2 << "" << QStringList { "designMode on", "designMode off" };
    QTest::newRow("offline twice") << "wkoff" << 2 << "" << QStringList { "offline", "online" };
}

void TestBrowserWindow::commandsReachTheControl()
{
    QFETCH(QString, entry);
    QFETCH(int, times);
    QFETCH(QString, url);
    m_web->url = url;
    m_dialogs.openAnswers.enqueue(QStringLiteral("/tmp/some page.html"));
    m_dialogs.saveAnswers.enqueue(QStringLiteral("/tmp/some page.html"));
    m_web->calls.clear();
    auto *action = m_window->findChild<QAction *>(entry);
    for (int i = 0; i < times; ++i) {
        action->trigger();
        emit m_web->documentComplete(QUrl()); // navigation leaves the check marks alone
        QCOMPARE(action->isChecked(), action->isCheckable() && i == 0);
    }
    QTEST(m_web->calls, "calls");
}

void TestBrowserWindow::saveWritesTheMarkupOrSaysWhyNot()
{
    const QString unwritable = m_dir->filePath(QStringLiteral("no such folder/page.htm"));
    m_dialogs.saveAnswers.enqueue(unwritable);
    m_web->markup = QStringLiteral("<body>\n</body>");
    m_window->menus().sav->trigger();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages.first().text.contains(unwritable), qPrintable(unwritable));
    QFile saved(m_dir->filePath(QStringLiteral("saved.htm")));
    m_dialogs.saveAnswers.enqueue(saved.fileName());
    m_window->menus().sav->trigger();
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("<body>\n</body>\r\n"));
    QCOMPARE(m_dialogs.messages.size(), 1);
}

void TestBrowserWindow::printSetupAndPrintUseOnePrinterOneJobAtATime()
{
    m_window->menus().printerset->trigger();
    m_window->menus().printer->trigger();
    QCOMPARE(m_dialogs.setupPrinters.size(), 1);
    QCOMPARE(m_web->printedOn, m_dialogs.setupPrinters.first());
    // The engine still holds the printer: neither dialog may change it now.
    m_window->menus().printer->trigger();
    m_window->menus().printerset->trigger();
    QCOMPARE(m_dialogs.printRequests + m_dialogs.pageSetupRequests, 2);
    emit m_web->printFinished(false);
    m_window->menus().printer->trigger();
    QCOMPARE(m_web->calls.count(QStringLiteral("print")), 2);
}

void TestBrowserWindow::propertiesShowWhatThePageTells()
{
    m_web->properties = { QStringLiteral("News"), QStringLiteral("https://127.0.0.1/news"),
        QStringLiteral("text/html"), QStringLiteral("01/02/2024 10:00:00"), 1536 };
    m_window->menus().proper->trigger();
    auto *dialog = m_window->findChild<PagePropertiesDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Title"))->text(), QStringLiteral("News"));
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QTRY_VERIFY(m_window->findChildren<PagePropertiesDialog *>().isEmpty());
}

void TestBrowserWindow::internetPropertiesChangeTheEngineOnOk_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

// Home page and switches change on OK only; the clearing buttons act at once.
void TestBrowserWindow::internetPropertiesChangeTheEngineOnOk()
{
    QFETCH(bool, accept);
    m_web->url = QStringLiteral("http://127.0.0.1/start");
    m_window->menus().intpro->trigger();
    auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("internetProperties"));
    QVERIFY(dialog && dialog->isVisible());
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
}

QString TestBrowserWindow::findStatus() const
{
    return findBar()->findChild<QLabel *>(QStringLiteral("findStatus"))->text();
}

void TestBrowserWindow::openFindBar()
{
    focusPage();
    QTest::keyClick(m_web->widget(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(findText()->hasFocus());
}

void TestBrowserWindow::findBarSearchesAndStepsBackWithoutWrap()
{
    openFindBar();
    QTest::keyClicks(findText(), QStringLiteral("ab"));
    emit m_web->findFinished(3, 1);
    QCOMPARE(findStatus(), QStringLiteral("1 of 3"));
    QTest::keyClick(findText(), Qt::Key_Return, Qt::ShiftModifier);
    findBar()->findChild<QCheckBox *>(QStringLiteral("findMatchCase"))->click();
    findBar()->findChild<QCheckBox *>(QStringLiteral("findWrap"))->setChecked(false);
    emit m_web->findFinished(3, 3);
    QTest::keyClick(findText(), Qt::Key_Return);
    emit m_web->findFinished(3, 1); // the engine went round to the first match
    QCOMPARE(findStatus(), QStringLiteral("Reached the end of the page"));
    QCOMPARE(m_web->calls,
        (QStringList { "find a forward nocase", "find ab forward nocase", "find ab backward nocase",
            "find ab forward case", "find ab forward case", "find ab backward case" }));
}

void TestBrowserWindow::findBarEscClosesAndClearsTheHighlight()
{
    openFindBar();
    QTest::keyClicks(findText(), QStringLiteral("x"));
    m_web->calls.clear();
    QTest::keyClick(findText(), Qt::Key_Escape);
    QVERIFY(findBar()->isHidden());
    QCOMPARE(m_web->calls, QStringList { QStringLiteral("find  forward nocase") });
    QVERIFY(m_web->widget()->hasFocus());
    emit m_web->findFinished(0, 0); // a late result of the closed search shows nothing
    QVERIFY(findStatus().isEmpty());
}

QTEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
