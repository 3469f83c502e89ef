// SPDX-License-Identifier: GPL-3.0-or-later
// A browser window's wiring against the fake web control, workspace and dialogs.
#include "browser/browserwindow.h"
#include "browser/core/searchaddress.h"
#include "browser/findbar.h"
#include "browser/searchbox.h"
#include "browser/toolstoolbar.h"
#include "support/fakewebcontrol.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {
// Scripted dialogs that also remember the printer Page Setup was shown for.
struct PrinterDialogs : ScriptedDialogs
{
    bool pageSetup(QWidget *parent, QPrinter *printer) override
    {
        setupPrinter = printer;
        return ScriptedDialogs::pageSetup(parent, printer);
    }
    QPrinter *setupPrinter = nullptr;
};
} // namespace

class TestBrowserWindow : public QObject
{
    Q_OBJECT

    BrowserWindow *makeWindow()
    {
        m_web = new FakeWebControl;
        m_windows.append(new BrowserWindow(m_web, m_dialogs, m_workspace, m_dir->path() + u'/'));
        m_windows.last()->setAttribute(Qt::WA_DeleteOnClose, false);
        return m_windows.last();
    }
    QWidget *child(const char *name) { return m_window->findChild<QWidget *>(name); }
    QComboBox *addressBox() { return m_window->findChild<QComboBox *>(QStringLiteral("text2")); }
    void trigger(const char *entry) { m_window->findChild<QAction *>(entry)->trigger(); }
    void focusPage()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_web->widget()->setFocus();
        m_web->calls.clear();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    PrinterDialogs m_dialogs;
    FakeWorkspace m_workspace;
    FakeWebControl *m_web = nullptr;
    BrowserWindow *m_window = nullptr;
    QList<BrowserWindow *> m_windows;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs = PrinterDialogs();
        m_workspace = FakeWorkspace();
        m_window = makeWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { qDeleteAll(std::exchange(m_windows, {})); }

    // Pages talk to their window through two hidden boxes: "a" in Text3 hides and mutes a blocked
    // pop-up, "cl" in Text1 hides the window and stops it. Other words change nothing. A blocked
    // pop-up's own pop-ups are hidden too, or blocking would be only one window deep.
    void signalBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("word");
        QTest::newRow("pop-up a") << "Text3" << true << "a";
        QTest::newRow("close cl") << "Text1" << true << "cl";
        QTest::newRow("close CL") << "Text1" << false << "CL";
    }

    void signalBoxes()
    {
        QFETCH(QString, box);
        QFETCH(bool, hidden);
        QFETCH(QString, word);
        auto *edit = m_window->findChild<QLineEdit *>(box);
        edit->setText(word);
        QCOMPARE(!m_window->isVisible(), hidden);
        const bool popup = box == u"Text3";
        QCOMPARE(popup ? m_web->audioMuted : m_web->calls.contains(QStringLiteral("stop")), hidden);
        QCOMPARE(edit->text(), hidden ? QString() : word);
        QVERIFY(!m_web->calls.contains(QStringLiteral("discard"))); // a hidden page keeps running
        FakeWebControl newControl;
        m_workspace.pageWindowControl = &newControl;
        WebControl::NewWindowRequest request;
        emit m_web->newWindowRequested(request);
        QCOMPARE(request.target, &newControl);
        using Place = Workspace::PageWindowPlace;
        QCOMPARE(m_workspace.pageWindows,
            (QList<QPair<QWidget *, Place>> {
                { m_window, popup ? Place::Hidden : Place::Front } }));
    }

    void windowListShowsTheWorkspacesWindows()
    {
        m_workspace.windows = { { m_window, QStringLiteral("AT&T"), false },
            { makeWindow(), QStringLiteral("Second"), true } };
        QMenu *sel = m_window->menus().sel;
        emit sel->aboutToShow();
        // Numbered for the keyboard; the title's own "&" stays text.
        QCOMPARE(sel->actions().size(), 2);
        QCOMPARE(sel->actions().at(0)->text(), QStringLiteral("&1 AT&&T"));
        QVERIFY(!sel->actions().at(0)->isChecked() && sel->actions().at(1)->isChecked());
        sel->actions().at(0)->trigger();
        QCOMPARE(m_workspace.activated, QList<QWidget *> { m_window });
    }

    // Most toolbar buttons have no menu entry, so Tab is a keyboard user's only way to them.
    void tabReachesEveryButton()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        child("text2")->setFocus(Qt::TabFocusReason);
        QSet<QWidget *> reached;
        for (int i = 0; i < 40; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QWidgetList buttons { child("searchbar") };
        for (QToolButton *button : m_window->findChildren<QToolButton *>()) {
            if (button->isVisible() && button->isEnabled())
                buttons.append(button);
        }
        QVERIFY(buttons.size() >= 12);
        for (QWidget *button : buttons)
            QVERIFY2(reached.contains(button), qPrintable(button->property("text").toString()));
    }

    void clearAllHistoryEmptiesTheList()
    {
        addressBox()->lineEdit()->setText(QStringLiteral("http://127.0.0.1/a"));
        QMetaObject::invokeMethod(child("Command1"), "click");
        const QString file = m_dir->filePath(QStringLiteral("history.txt"));
        QVERIFY(QFile::exists(file));
        addressBox()->lineEdit()->setText(QStringLiteral("kept"));
        trigger("clearhist");
        QCOMPARE(addressBox()->count(), 0);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(addressBox()->currentText(), QStringLiteral("kept"));
    }

    // The window's keys work while the page has the focus; Esc belongs to the page alone.
    void keysFromThePage()
    {
        addressBox()->setEditText(QStringLiteral("http://example.org/"));
        focusPage();
        QTest::keySequence(
            m_web->widget(), QKeySequence(QStringLiteral("F5, Ctrl+R, Esc, Ctrl+L")));
        QCOMPARE(m_web->calls, (QStringList { "refresh", "refresh", "stop" }));
        QVERIFY(addressBox()->hasFocus());
        QCOMPARE(addressBox()->lineEdit()->selectedText(), QStringLiteral("http://example.org/"));
        QTest::keyClick(addressBox(), Qt::Key_Escape);
        QCOMPARE(m_web->calls.size(), 3);
    }

    // Typing alone never searches; an empty phrase gets a message instead of a search.
    void searchOnlyOnReturnOrTheButton()
    {
        auto *box = m_window->findChild<SearchBox *>();
        auto *tools = m_window->findChild<ToolsToolbar *>();
        m_web->navigations.clear(); // the start page
        QTest::keyClicks(box, QStringLiteral("red fox"));
        QVERIFY(m_web->navigations.isEmpty());
        QTest::keyClick(box, Qt::Key_Return);
        box->setText(QStringLiteral("C#"));
        QTest::mouseClick(
            tools->widgetForAction(tools->entry(ToolsToolbar::SearchEngine)), Qt::LeftButton);
        QCOMPARE(
            m_web->navigations, (QStringList { searchAddress("red fox"), searchAddress("C#") }));
        QCOMPARE(box->text(), QStringLiteral("C#"));
        box->clear();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m_web->navigations.size(), 2);
        QCOMPARE(m_dialogs.messages.size(), 1);
    }

    void historyPopsUpAtTheMouse()
    {
        QCursor::setPos(m_window->mapToGlobal(QPoint(40, 60)));
        const QPoint mouse = QCursor::pos();
        m_window->findChild<ToolsToolbar *>()->entry(ToolsToolbar::History)->trigger();
        QTRY_VERIFY(m_window->menus().h->isVisible());
        QCOMPARE(m_window->menus().h->pos(), mouse);
        m_window->menus().h->hide();
    }

    void pageQuestionsAreAnsweredThroughTheDialogs()
    {
        m_dialogs.signInAnswers.enqueue(Dialogs::Credentials { QStringLiteral("ann"), "secret" });
        WebControl::SignInRequest signIn { QStringLiteral("example.org"), QStringLiteral("Staff") };
        emit m_web->signInRequested(signIn);
        QCOMPARE(m_dialogs.signInRequests, QStringList { QStringLiteral("example.org Staff") });
        QVERIFY(signIn.accepted && signIn.password == "secret");
        m_dialogs.answers.enqueue(Dialogs::Answer::Yes);
        WebControl::Question question { QStringLiteral("Allow example.org to use your camera?") };
        emit m_web->questionAsked(question);
        // No is the safe answer, so it is the one Enter gives.
        QVERIFY(
            question.yes && m_dialogs.messages.last().buttons == Dialogs::Buttons::YesNoDefaultNo);
        m_dialogs.pageDialogAnswers.enqueue({ true, QStringLiteral("Ann"), true });
        WebControl::PageDialogRequest prompt { WebControl::PageDialogKind::Prompt,
            QStringLiteral("Name?"), QString(), true };
        emit m_web->pageDialogRequested(prompt);
        QCOMPARE(m_dialogs.pageDialogs, QStringList { QStringLiteral("Name? [silence offered]") });
        QVERIFY(prompt.accepted && prompt.silence && prompt.value == "Ann");
    }

    // Each entry twice: the second open or save is cancelled, a switch goes back off.
    void commandsReachTheControl_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("url");
        QTest::newRow("open") << "opener" << QStringList { "navigate /tmp/a.html" } << "";
        QTest::newRow("save with images")
            << "savi" << QStringList { "savePage /tmp/a.html" } << "p";
        QTest::newRow("save with images of no page") << "savi" << QStringList {} << "";
        QTest::newRow("edit mode")
            << "editm" << QStringList { "designMode on", "designMode off" } << "";
        QTest::newRow("offline") << "wkoff" << QStringList { "offline", "online" } << "";
    }

    void commandsReachTheControl()
    {
        QFETCH(QString, entry);
        QFETCH(QString, url);
        m_web->url = url;
        m_dialogs.openAnswers.enqueue(QStringLiteral("/tmp/a.html"));
        m_dialogs.saveAnswers.enqueue(QStringLiteral("/tmp/a.html"));
        m_web->calls.clear();
        for (int i = 0; i < 2; ++i)
            trigger(qPrintable(entry));
        QTEST(m_web->calls, "calls");
    }

    void saveWritesTheMarkupOrSaysWhyNot()
    {
        const QString unwritable = m_dir->filePath(QStringLiteral("no such folder/page.htm"));
        QFile saved(m_dir->filePath(QStringLiteral("saved.htm")));
        m_dialogs.saveAnswers << unwritable << saved.fileName();
        m_web->markup = QStringLiteral("<body>\n</body>");
        trigger("sav");
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY2(m_dialogs.messages.first().text.contains(unwritable), qPrintable(unwritable));
        trigger("sav");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("<body>\n</body>\r\n"));
        QCOMPARE(m_dialogs.messages.size(), 1);
    }

    // The engine holds the printer until the job ends: neither dialog may change it before.
    void printSetupAndPrintUseOnePrinterOneJobAtATime()
    {
        for (const char *entry : { "printerset", "printer", "printer", "printerset" })
            trigger(entry);
        QCOMPARE(m_web->printedOn, m_dialogs.setupPrinter);
        QCOMPARE(m_dialogs.printRequests + m_dialogs.pageSetupRequests, 2);
        emit m_web->printFinished(false);
        trigger("printer");
        QCOMPARE(m_web->calls.count(QStringLiteral("print")), 2);
    }

    // Home page and switches change on OK only; the clearing buttons act at once. Closed is gone.
    void internetPropertiesChangeTheEngineOnOk()
    {
        m_web->url = QStringLiteral("http://127.0.0.1/start");
        const FakeEngineSettings &settings = m_web->settings;
        for (const auto button : { QDialogButtonBox::Cancel, QDialogButtonBox::Ok }) {
            const bool ok = button == QDialogButtonBox::Ok;
            trigger("intpro");
            auto *dialog = m_window->findChild<QDialog *>(QStringLiteral("internetProperties"));
            QVERIFY(dialog && dialog->isVisible());
            dialog->findChild<QPushButton *>(QStringLiteral("useCurrent"))->click();
            dialog->findChild<QCheckBox *>(QStringLiteral("javaScript"))->setChecked(false);
            dialog->findChild<QPushButton *>(QStringLiteral("clearCookies"))->click();
            QVERIFY(settings.cookieClears == 1 + int(ok) && settings.cacheClears == 0);
            dialog->findChild<QDialogButtonBox *>()->button(button)->click();
            QCOMPARE(
                settings.homePage().toString(), ok ? m_web->url : QStringLiteral("about:blank"));
            QCOMPARE(settings.javaScriptEnabled(), !ok);
            QTRY_VERIFY(!m_window->findChild<QDialog *>());
        }
    }

    void findBarSearchesStepsBackWithoutWrapAndCloses()
    {
        focusPage();
        QTest::keyClick(m_web->widget(), Qt::Key_F, Qt::ControlModifier);
        auto *bar = m_window->findChild<FindBar *>();
        QLineEdit *text = bar->findChild<QLineEdit *>();
        auto *status = bar->findChild<QLabel *>(QStringLiteral("findStatus"));
        QTest::keyClicks(text, QStringLiteral("ab"));
        emit m_web->findFinished(3, 1);
        QCOMPARE(status->text(), QStringLiteral("1 of 3"));
        QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        bar->findChild<QCheckBox *>(QStringLiteral("findMatchCase"))->click();
        bar->findChild<QCheckBox *>(QStringLiteral("findWrap"))->setChecked(false);
        emit m_web->findFinished(3, 3);
        QTest::keyClick(text, Qt::Key_Return);
        emit m_web->findFinished(3, 1); // the engine went round to the first match
        QCOMPARE(status->text(), QStringLiteral("Reached the end of the page"));
        QTest::keyClick(text, Qt::Key_Escape);
        QCOMPARE(m_web->calls,
            (QStringList { "find a forward nocase", "find ab forward nocase",
                "find ab backward nocase", "find ab forward case", "find ab forward case",
                "find ab backward case", "find  forward nocase" }));
        QVERIFY(bar->isHidden() && m_web->widget()->hasFocus());
        emit m_web->findFinished(0, 0); // a late result of the closed search shows nothing
        QVERIFY(status->text().isEmpty());
    }
};

QTEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
