// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {
using Answer = Dialogs::Answer;
const QString savePrompt = QStringLiteral("Do you want to save changes made to your file?");
const QString plainTitle = QStringLiteral("Orbello's Quillstep");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

enum class State { UntitledSaved, UntitledChanged, FileSaved, FileChanged };
} // namespace
Q_DECLARE_METATYPE(State)

class TestDocumentLifecycle : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void commandsFromEachState_data();
    void commandsFromEachState();
    void yesOnUntitledOpensSaveAsAndCancellingKeepsAsking();
    void closeRequestAsksOnceAndKeepsTheWindow();
    void openedFilesSaveBackByteForByte_data();
    void openedFilesSaveBackByteForByte();
    void unwritablePathKeepsNameAndStateAndSaysWhy();
    void failedOpenKeepsNameTitleAndText();
    void failedSaveAsKeepsThePreviousName();
    void printWithoutPrinterSaysSo();
    void closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges_data();
    void closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges();
    void fileKeysRunTheFileCommands_data();
    void fileKeysRunTheFileCommands();
    void dialogsStartBesideTheDocument_data();
    void dialogsStartBesideTheDocument();
    void droppedFileOpensOrIsRefused_data();
    void droppedFileOpensOrIsRefused();
    void droppedAddressIsInsertedAsText();

private:
    void bringTo(State state);
    void drop(const QList<QUrl> &urls, const QString &text = {});

    QTemporaryDir *m_dir = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
    FakeWorkspace m_workspace;
    FakeLauncher m_launcher;
    TextPadWindow *m_pad = nullptr;
    QString m_file;
};

void TestDocumentLifecycle::init()
{
    m_dir = new QTemporaryDir;
    m_dialogs = new ScriptedDialogs;
    m_pad = new TextPadWindow(*m_dialogs, m_workspace, m_launcher);
    m_pad->show();
    m_file = m_dir->filePath(QStringLiteral("notes.txt"));
    QVERIFY(writeFile(m_file, "on disk\n"));
}

void TestDocumentLifecycle::cleanup()
{
    delete m_pad;
    delete m_dialogs;
    delete m_dir;
}

void TestDocumentLifecycle::bringTo(State state)
{
    if (state == State::FileSaved || state == State::FileChanged) {
        m_dialogs->openAnswers.enqueue(m_file);
        m_pad->findChild<QAction *>(QStringLiteral("op"))->trigger();
    }
    if (state == State::UntitledChanged || state == State::FileChanged)
        m_pad->document()->setSelText(QStringLiteral("typed "));
    m_dialogs->messages.clear();
    m_dialogs->openRequests = m_dialogs->saveRequests = 0;
}

void TestDocumentLifecycle::commandsFromEachState_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveChosen"); // the Save As dialog gets a path
    QTest::addColumn<bool>("prompted");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text");

    const QString fileTitle = QStringLiteral("Orbello's Quillstep - notes.txt");
    const QString savedAsTitle = QStringLiteral("Orbello's Quillstep - out.txt");
    const QString onDisk = QStringLiteral("on disk");
    const QString typed = QStringLiteral("typed ");
    const QString typedOnDisk = QStringLiteral("typed on disk");
    const QList<Answer> none;
    const QList<Answer> yes { Answer::Yes }, no { Answer::No }, cancel { Answer::Cancel };

    QTest::newRow("new/untitledChanged/yes") << State::UntitledChanged << "newer" << yes << true
                                             << true << plainTitle << true << true << QString();
    QTest::newRow("new/untitledChanged/no") << State::UntitledChanged << "newer" << no << false
                                            << true << plainTitle << false << true << QString();
    QTest::newRow("new/untitledChanged/cancel")
        << State::UntitledChanged << "newer" << cancel << false << true << plainTitle << false
        << true << typed;

    QTest::newRow("save/untitledChanged") << State::UntitledChanged << "sav" << none << true
                                          << false << savedAsTitle << true << true << typed;
    QTest::newRow("save/fileChanged") << State::FileChanged << "sav" << none << false << false
                                      << fileTitle << true << true << typedOnDisk;

    QTest::newRow("exit/fileChanged/yes") << State::FileChanged << "bye" << yes << false << true
                                          << plainTitle << true << false << QString();
    QTest::newRow("exit/fileChanged/cancel") << State::FileChanged << "bye" << cancel << false
                                             << true << fileTitle << false << true << typedOnDisk;

    QTest::newRow("open/untitledChanged/cancel")
        << State::UntitledChanged << "op" << cancel << false << true << plainTitle << false << true
        << typed;
    QTest::newRow("open/untitledChanged/no") << State::UntitledChanged << "op" << no << false
                                             << true << fileTitle << true << true << onDisk;
}

void TestDocumentLifecycle::commandsFromEachState()
{
    QFETCH(State, state);
    QFETCH(QString, command);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saveChosen);
    QFETCH(bool, prompted);
    bringTo(state);
    for (Answer answer : answers)
        m_dialogs->answers.enqueue(answer);
    if (saveChosen)
        m_dialogs->saveAnswers.enqueue(m_dir->filePath(QStringLiteral("out.txt")));
    if (command == QLatin1String("op"))
        m_dialogs->openAnswers.enqueue(m_file);
    m_pad->findChild<QAction *>(command)->trigger();

    const bool asked
        = !m_dialogs->messages.isEmpty() && m_dialogs->messages.first().text == savePrompt;
    QCOMPARE(asked, prompted);
    QTEST(m_pad->windowTitle(), "title");
    QTEST(m_pad->isSaved(), "saved");
    QTEST(m_pad->isVisible(), "visible");
    QTEST(m_pad->document()->text(), "text");
    if (saveChosen)
        QCOMPARE(m_dialogs->messages.last().text, QStringLiteral("File Saved."));
}

void TestDocumentLifecycle::yesOnUntitledOpensSaveAsAndCancellingKeepsAsking()
{
    bringTo(State::UntitledChanged);
    // Yes, Save As cancelled, asked again; Cancel ends it.
    m_dialogs->answers << Answer::Yes << Answer::Cancel;
    m_pad->findChild<QAction *>(QStringLiteral("newer"))->trigger();
    QCOMPARE(m_dialogs->saveRequests, 1);
    QCOMPARE(m_dialogs->messages.size(), 2);
    QVERIFY(!m_pad->isSaved());
    QCOMPARE(m_pad->document()->text(), QStringLiteral("typed "));
    for (const char *command : { "op", "bye" }) {
        m_dialogs->answers << Answer::Cancel;
        m_pad->findChild<QAction *>(QLatin1String(command))->trigger();
    }
    QCOMPARE(m_dialogs->messages.size(), 4);
    QCOMPARE(m_dialogs->openRequests, 0);
}

void TestDocumentLifecycle::closeRequestAsksOnceAndKeepsTheWindow()
{
    bringTo(State::UntitledChanged);
    m_dialogs->answers << Answer::Yes; // Save As then cancelled
    QVERIFY(!m_pad->close());
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->saveRequests, 1);
    QVERIFY(m_pad->isVisible());
    QVERIFY(!m_pad->isSaved());
    m_dialogs->answers << Answer::No;
    QVERIFY(!m_pad->close());
    QVERIFY(!m_pad->isVisible());
    QVERIFY(m_pad->isSaved());
    QCOMPARE(m_pad->document()->text(), QString());
}

void TestDocumentLifecycle::openedFilesSaveBackByteForByte_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
        { "lf.txt", "crlf.txt", "nofinalbreak.txt", "windows1252.txt", "utf8bom.txt", "cr.txt" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestDocumentLifecycle::openedFilesSaveBackByteForByte()
{
    QFETCH(QString, name);
    const QString path = m_dir->filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/textpad/") + name, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray original = readAll(path);
    for (int cycle = 0; cycle < 2; ++cycle) {
        m_dialogs->openAnswers.enqueue(path);
        m_pad->findChild<QAction *>(QStringLiteral("op"))->trigger();
        m_pad->findChild<QAction *>(QStringLiteral("sav"))->trigger();
        QCOMPARE(readAll(path), original);
    }
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestDocumentLifecycle::unwritablePathKeepsNameAndStateAndSaysWhy()
{
    bringTo(State::FileChanged);
    QVERIFY(QFile::remove(m_file));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("notes.txt"))); // a folder now has the name
    m_pad->findChild<QAction *>(QStringLiteral("sav"))->trigger();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages.first().text.contains(m_file));
    QCOMPARE(m_pad->fileName(), m_file);
    QVERIFY(!m_pad->isSaved());
    QCOMPARE(m_pad->windowTitle(), QStringLiteral("Orbello's Quillstep - notes.txt"));
}

void TestDocumentLifecycle::failedOpenKeepsNameTitleAndText()
{
    bringTo(State::FileChanged);
    m_dialogs->answers << Answer::No;
    m_dialogs->openAnswers.enqueue(m_dir->filePath(QStringLiteral("missing.txt")));
    m_pad->findChild<QAction *>(QStringLiteral("op"))->trigger();
    QCOMPARE(m_pad->fileName(), m_file);
    QCOMPARE(m_pad->windowTitle(), QStringLiteral("Orbello's Quillstep - notes.txt"));
    QCOMPARE(m_pad->document()->text(), QStringLiteral("typed on disk"));
    QVERIFY(!m_pad->isSaved());
}

void TestDocumentLifecycle::failedSaveAsKeepsThePreviousName()
{
    bringTo(State::FileChanged);
    const QString failed = m_dir->filePath(QStringLiteral("no-folder/x.txt"));
    m_dialogs->saveAnswers.enqueue(failed);
    m_pad->findChild<QAction *>(QStringLiteral("sav2"))->trigger();
    QCOMPARE(m_pad->fileName(), m_file);
    QCOMPARE(m_pad->windowTitle(), QStringLiteral("Orbello's Quillstep - notes.txt"));
    QVERIFY(!m_pad->isSaved());
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages.first().text.contains(failed));
    // A later Save goes to the file the document came from.
    m_pad->findChild<QAction *>(QStringLiteral("sav"))->trigger();
    QCOMPARE(readAll(m_file), QByteArray("typed on disk\n"));
}

void TestDocumentLifecycle::printWithoutPrinterSaysSo()
{
    m_pad->setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
    m_pad->findChild<QAction *>(QStringLiteral("pri"))->trigger();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_pad->isSaved());
}

void TestDocumentLifecycle::closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("word");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("visible");
    QTest::newRow("changed/yes") << State::FileChanged << "a" << Answer::Yes << true << true;
    QTest::newRow("changed/no") << State::FileChanged << "a" << Answer::No << true << false;
    QTest::newRow("saved") << State::FileSaved << "a" << Answer::Yes << false << true;
}

void TestDocumentLifecycle::closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges()
{
    QFETCH(State, state);
    QFETCH(QString, word);
    QFETCH(Answer, answer);
    bringTo(state);
    m_pad->hide();
    m_dialogs->answers << answer;
    auto *cl = m_pad->findChild<QLineEdit *>(QStringLiteral("cl"));
    cl->setText(word);
    QFETCH(bool, asked);
    QCOMPARE(m_dialogs->messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_dialogs->messages.first().text,
            QStringLiteral("Do you want to save unsaved file in Orbello's Quillstep?"));
        QTEST(m_pad->isVisible(), "visible");
    }
    QCOMPARE(cl->text(), word);
}

void TestDocumentLifecycle::fileKeysRunTheFileCommands_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("saves");
    QTest::newRow("Ctrl+O opens") << QKeySequence(Qt::CTRL | Qt::Key_O) << 1 << 0;
    QTest::newRow("Ctrl+S saves an untitled document as")
        << QKeySequence(Qt::CTRL | Qt::Key_S) << 0 << 1;
    QTest::newRow("Ctrl+Shift+S saves as")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << 0 << 1;
}

void TestDocumentLifecycle::fileKeysRunTheFileCommands()
{
    QFETCH(QKeySequence, key);
    m_pad->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pad));
    QTest::keySequence(m_pad->document(), key);
    QTEST(m_dialogs->openRequests, "opens");
    QTEST(m_dialogs->saveRequests, "saves");
}

void TestDocumentLifecycle::dialogsStartBesideTheDocument_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("start"); // "<file>" and "<folder>": the opened file's
    QTest::newRow("untitled plain save as") << false << false << "sav2"
                                            << "Untitled.txt";
    QTest::newRow("untitled formatted save as") << false << true << "sav2"
                                                << "Untitled.rtf";
    QTest::newRow("untitled open") << false << false << "op" << QString();
    QTest::newRow("file save as") << true << true << "sav2"
                                  << "<file>";
    QTest::newRow("file open") << true << false << "op"
                               << "<folder>";
}

// Without a folder of their own, the dialogs start where the user last chose a file, else in the
// documents folder: that is the dialogs' own rule.
void TestDocumentLifecycle::dialogsStartBesideTheDocument()
{
    QFETCH(bool, opened);
    QFETCH(bool, bold);
    QFETCH(QString, command);
    QFETCH(QString, start);
    bringTo(opened ? State::FileSaved : State::UntitledSaved);
    m_pad->document()->setText(QStringLiteral("text"));
    m_pad->document()->setSelLength(2);
    if (bold)
        m_pad->document()->setSelBold(true);
    m_dialogs->answers << Answer::No;
    m_pad->findChild<QAction *>(command)->trigger();
    start.replace(QStringLiteral("<file>"), m_file)
        .replace(QStringLiteral("<folder>"), m_dir->path());
    QCOMPARE(m_dialogs->lastStart, start);
}

void TestDocumentLifecycle::drop(const QList<QUrl> &urls, const QString &text)
{
    QMimeData data;
    data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    QWidget *viewport = m_pad->document()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

void TestDocumentLifecycle::droppedFileOpensOrIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("file") << "notes.txt" << QString();
    QTest::newRow("folder") << "folder"
                            << "\"folder\" is a folder. Only files can be opened.";
    QTest::newRow("unreadable") << "gone.txt"
                                << "\"gone.txt\" cannot be read.";
    QTest::newRow("2 GB") << "huge.txt"
                          << "\"huge.txt\" is too large to open: files up to 1024 MB can be "
                             "opened.";
}

// A refused file leaves the document as it was, unsaved changes and all, without asking to save.
void TestDocumentLifecycle::droppedFileOpensOrIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QFile huge(m_dir->filePath(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(2) << 30)); // sparse
    bringTo(State::UntitledChanged);
    m_dialogs->answers << Answer::No;
    drop({ QUrl::fromLocalFile(m_dir->filePath(name)) }, QStringLiteral("dropped text"));
    QTRY_COMPARE(m_dialogs->messages.size(), 1);
    if (refusal.isEmpty()) {
        QCOMPARE(m_dialogs->messages.first().text, savePrompt);
        QTRY_COMPARE(m_pad->fileName(), m_file);
        return;
    }
    QCOMPARE(m_dialogs->messages.first().text, refusal);
    QCOMPARE(m_dialogs->messages.first().title, QStringLiteral("Error"));
    QCOMPARE(m_pad->document()->text(), QStringLiteral("typed "));
    QVERIFY(!m_pad->isSaved());
}

void TestDocumentLifecycle::droppedAddressIsInsertedAsText()
{
    drop({ QUrl(QStringLiteral("http://example.org/")) }, QStringLiteral("http://example.org/"));
    QCOMPARE(m_pad->document()->text(), QStringLiteral("http://example.org/"));
    QVERIFY(m_dialogs->messages.isEmpty());
}

QTEST_MAIN(TestDocumentLifecycle)
#include "tst_documentlifecycle.moc"
