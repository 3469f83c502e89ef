// SPDX-License-Identifier: GPL-3.0-or-later
// A browser window's page commands on the real engine, against pages served on 127.0.0.1.
#include "browser/browserwindow.h"
#include "browser/findbar.h"
#include "browser/webcontrol/enginesettings.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "e2e/enginetestutils.h"
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/localhttpserver.h"
#include "support/scripteddialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <memory>

using enginetest::evaluate;
using enginetest::loadTimeoutMs;

namespace {

// A user who prints to a PDF file in the print dialog.
class PdfDialogs : public ScriptedDialogs
{
public:
    bool print(QWidget *parent, QPrinter *printer) override
    {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        return ScriptedDialogs::print(parent, printer);
    }

    QString pdfPath;
};

const QString markupScript = QStringLiteral("document.documentElement.innerHTML");

} // namespace

class TestPageCommandsEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWritesTheInnerMarkupAndCrLf_data();
    void saveWritesTheInnerMarkupAndCrLf();
    void sourceCodeOpensOneChangedPadPerClick();
    void editModeTwiceSwitchesDesignModeOnThenOff();
    void workOfflineBlocksLoadsAndTwiceReturnsOnline();
    void printToPdfFileHoldsThePageText();
    void findBarFindsAndReportsNotFound();

private:
    // Loads `path` from the local server into the window and waits until the page is complete.
    bool load(const QString &path);
    QWebEnginePage *page() const { return m_web->page(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWebEngineProfile> m_profile;
    PdfDialogs m_dialogs;
    FakeLauncher m_launcher;
    FakeWorkspace m_workspace;
    QList<TextPadWindow *> m_pads;
    WebEngineControl *m_web = nullptr;
    BrowserWindow *m_window = nullptr;
};

void TestPageCommandsEndToEnd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_profile = std::make_unique<QWebEngineProfile>();
    m_dialogs = PdfDialogs();
    m_workspace = FakeWorkspace();
    // What the program's workspace does: a new pad, shown, holding the text.
    m_workspace.makeTextPad = [this](const QString &text) {
        auto *pad = new TextPadWindow(m_dialogs, m_workspace, m_launcher);
        m_pads.append(pad);
        pad->show();
        pad->document()->setText(text);
        return pad;
    };
    m_web = new WebEngineControl(m_profile.get());
    m_window = new BrowserWindow(m_web, m_dialogs, m_workspace, m_dir->path() + u'/');
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestPageCommandsEndToEnd::cleanup()
{
    qDeleteAll(m_pads);
    m_pads.clear();
    // The page goes before its profile.
    delete m_window;
    m_window = nullptr;
    m_web = nullptr;
    m_profile.reset();
    m_server.reset();
}

bool TestPageCommandsEndToEnd::load(const QString &path)
{
    const QUrl url = m_server->url(path);
    QSignalSpy complete(m_web, &WebControl::documentComplete);
    m_web->navigate(url.toString());
    // The window's own about:blank may still complete first.
    return QTest::qWaitFor(
        [&] {
            for (const auto &arguments : complete) {
                if (arguments.first().toUrl() == url)
                    return true;
            }
            return false;
        },
        loadTimeoutMs);
}

void TestPageCommandsEndToEnd::saveWritesTheInnerMarkupAndCrLf_data()
{
    QTest::addColumn<bool>("javaScript");
    QTest::newRow("scripts on") << true;
    // The page's scripts are off, the program's own reading of the page still works.
    QTest::newRow("scripts off in Internet Properties") << false;
}

void TestPageCommandsEndToEnd::saveWritesTheInnerMarkupAndCrLf()
{
    QFETCH(bool, javaScript);
    m_server->serveHtml(QStringLiteral("/save"),
        QStringLiteral("<html><head><title>Saved</title></head>\n<body>\n"
                       "<p>Line one</p>\n<p>caf\u00e9</p>\n</body></html>"));
    QVERIFY(load(QStringLiteral("/save")));
    const QString markup = evaluate(page(), markupScript).toString();
    QVERIFY2(markup.contains(QStringLiteral("</p>\n<p>caf\u00e9</p>")), qPrintable(markup));
    m_web->engineSettings().setJavaScriptEnabled(javaScript);
    const QString path = m_dir->filePath(QStringLiteral("saved.htm"));
    m_dialogs.saveAnswers.enqueue(path);

    m_window->menus().sav->trigger();

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), loadTimeoutMs);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), markup.toUtf8() + "\r\n");
    QVERIFY(m_dialogs.messages.isEmpty());
}

void TestPageCommandsEndToEnd::sourceCodeOpensOneChangedPadPerClick()
{
    m_server->serveHtml(QStringLiteral("/source"),
        QStringLiteral("<title>Source</title>\n<body><b>bold</b>\nwords</body>"));
    QVERIFY(load(QStringLiteral("/source")));
    const QString markup = evaluate(page(), markupScript).toString();
    QVERIFY(!markup.isEmpty());

    m_window->menus().ss->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(m_pads.size(), 1, loadTimeoutMs);
    m_window->menus().ss->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(m_pads.size(), 2, loadTimeoutMs);

    for (TextPadWindow *pad : std::as_const(m_pads)) {
        QVERIFY(pad->isVisible());
        // The pad gives its text with CR LF line ends.
        QCOMPARE(pad->document()->text(), QString(markup).replace(u'\n', QStringLiteral("\r\n")));
        QVERIFY(!pad->isSaved());
    }
    QVERIFY(m_pads.first() != m_pads.last());
}

void TestPageCommandsEndToEnd::editModeTwiceSwitchesDesignModeOnThenOff()
{
    m_server->serveHtml(QStringLiteral("/edit"), QStringLiteral("<body><p>Edit me</p></body>"));
    QVERIFY(load(QStringLiteral("/edit")));
    QCOMPARE(
        evaluate(page(), QStringLiteral("document.designMode")).toString(), QStringLiteral("off"));

    m_window->menus().editm->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page(), QStringLiteral("document.designMode")).toString(),
        QStringLiteral("on"), loadTimeoutMs);
    QVERIFY(m_window->menus().editm->isChecked());

    m_window->menus().editm->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(page(), QStringLiteral("document.designMode")).toString(),
        QStringLiteral("off"), loadTimeoutMs);
    QVERIFY(!m_window->menus().editm->isChecked());
}

void TestPageCommandsEndToEnd::workOfflineBlocksLoadsAndTwiceReturnsOnline()
{
    m_server->serveHtml(QStringLiteral("/net"), QStringLiteral("<title>Reached</title>"));

    m_window->menus().wkoff->trigger();
    QVERIFY(m_window->menus().wkoff->isChecked());
    QVERIFY(load(QStringLiteral("/net")));
    QVERIFY(!m_server->requestedPaths().contains(QStringLiteral("/net")));
    QVERIFY(m_web->locationName() != QStringLiteral("Reached"));

    m_window->menus().wkoff->trigger();
    QVERIFY(!m_window->menus().wkoff->isChecked());
    QVERIFY(load(QStringLiteral("/net")));
    QVERIFY(m_server->requestedPaths().contains(QStringLiteral("/net")));
    QTRY_COMPARE(m_web->locationName(), QStringLiteral("Reached"));
}

void TestPageCommandsEndToEnd::printToPdfFileHoldsThePageText()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the PDF");
    m_server->serveHtml(QStringLiteral("/print"),
        QStringLiteral("<body><h1>Printed words</h1><p>second line</p></body>"));
    QVERIFY(load(QStringLiteral("/print")));
    m_dialogs.pdfPath = m_dir->filePath(QStringLiteral("page.pdf"));
    QSignalSpy finished(m_web, &WebControl::printFinished);

    m_window->menus().printer->trigger();

    QVERIFY(finished.wait(loadTimeoutMs));
    QCOMPARE(finished.first().first().toBool(), true);
    QProcess reader;
    reader.start(pdftotext, { m_dialogs.pdfPath, QStringLiteral("-") });
    QVERIFY(reader.waitForFinished(loadTimeoutMs));
    QCOMPARE(reader.exitCode(), 0);
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Printed words")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("second line")), qPrintable(text));
}

void TestPageCommandsEndToEnd::findBarFindsAndReportsNotFound()
{
    m_server->serveHtml(QStringLiteral("/find"),
        QStringLiteral("<body><p>apple banana</p><p>Apple cherry</p></body>"));
    QVERIFY(load(QStringLiteral("/find")));
    m_web->widget()->setFocus();
    QTRY_VERIFY(QApplication::focusWidget());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    auto *bar = m_window->findChild<FindBar *>(QStringLiteral("findBar"));
    QVERIFY(bar->isVisible());
    auto *text = bar->findChild<QLineEdit *>(QStringLiteral("findText"));
    auto *status = bar->findChild<QLabel *>(QStringLiteral("findStatus"));
    QTRY_VERIFY(text->hasFocus());

    QTest::keyClicks(text, QStringLiteral("apple"));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("1 of 2"), loadTimeoutMs);
    QTest::keyClick(text, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("2 of 2"), loadTimeoutMs);

    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("durian"));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Not found"), loadTimeoutMs);
}

QTEST_MAIN(TestPageCommandsEndToEnd)
#include "tst_pagecommands_e2e.moc"
