// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/textpad/padfixture.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <memory>

namespace {
using Answer = Dialogs::Answer;
const QString savePrompt = QStringLiteral("Do you want to save changes made to your file?");
const QString plainTitle = QStringLiteral("Orbello's Quillstep");
const QString fileTitle = QStringLiteral("Orbello's Quillstep - notes.txt");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void failedSaveKeepsNameAndStateAndSaysWhy_data();
    void failedSaveKeepsNameAndStateAndSaysWhy();
    void failedOpenKeepsNameTitleAndText();
    void closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges_data();
    void closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges();
    void dialogsStartBesideTheDocument_data();
    void dialogsStartBesideTheDocument();
    void droppedFileOpensOrIsRefused_data();
    void droppedFileOpensOrIsRefused();
    void droppedAddressIsInsertedAsText();

private:
    void bringTo(State state);
    void drop(const QUrl &url);
    TextPadWindow &pad() const { return m_pad->window; }
    ScriptedDialogs &dialogs() const { return m_pad->dialogs; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PadFixture> m_pad;
    QString m_file;
};

void TestDocumentLifecycle::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_pad = std::make_unique<PadFixture>();
    pad().show();
    m_file = m_dir->filePath(QStringLiteral("notes.txt"));
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("on disk\n") == 8);
}

void TestDocumentLifecycle::cleanup()
{
    m_pad.reset();
    m_dir.reset();
}

void TestDocumentLifecycle::bringTo(State state)
{
    if (state == State::FileSaved || state == State::FileChanged) {
        dialogs().openAnswers.enqueue(m_file);
        m_pad->trigger(QStringLiteral("op"));
    }
    if (state == State::UntitledChanged || state == State::FileChanged)
        m_pad->tb()->setSelText(QStringLiteral("typed "));
    dialogs().messages.clear();
    dialogs().openRequests = dialogs().saveRequests = 0;
}

void TestDocumentLifecycle::commandsFromEachState_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<Answer>>("answers"); // to the save prompt; none: no prompt expected
    QTest::addColumn<bool>("saveChosen"); // the Save As dialog gets a path
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text");
    const QString typed = QStringLiteral("typed ");
    const QString typedOnDisk = QStringLiteral("typed on disk");
    const QList<Answer> none, yes { Answer::Yes }, no { Answer::No }, cancel { Answer::Cancel };
    const State untitled = State::UntitledChanged, file = State::FileChanged;

    QTest::newRow("new/untitled/yes")
        << untitled << "newer" << yes << true << plainTitle << true << true << QString();
    QTest::newRow("new/untitled/cancel")
        << untitled << "newer" << cancel << false << plainTitle << false << true << typed;
    QTest::newRow("save/untitled") << untitled << "sav" << none << true
                                   << "Orbello's Quillstep - out.txt" << true << true << typed;
    QTest::newRow("save/file") << file << "sav" << none << false << fileTitle << true << true
                               << typedOnDisk;
    QTest::newRow("exit/file/yes")
        << file << "bye" << yes << false << plainTitle << true << false << QString();
    QTest::newRow("exit/file/cancel")
        << file << "bye" << cancel << false << fileTitle << false << true << typedOnDisk;
    QTest::newRow("open/untitled/cancel")
        << untitled << "op" << cancel << false << plainTitle << false << true << typed;
    QTest::newRow("open/untitled/no")
        << untitled << "op" << no << false << fileTitle << true << true << "on disk";
}

void TestDocumentLifecycle::commandsFromEachState()
{
    QFETCH(State, state);
    QFETCH(QString, command);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saveChosen);
    bringTo(state);
    dialogs().answers << answers;
    if (saveChosen)
        dialogs().saveAnswers.enqueue(m_dir->filePath(QStringLiteral("out.txt")));
    if (command == QLatin1String("op"))
        dialogs().openAnswers.enqueue(m_file);
    m_pad->trigger(command);

    const bool asked = !dialogs().messages.isEmpty() && dialogs().messages[0].text == savePrompt;
    QCOMPARE(asked, !answers.isEmpty());
    QTEST(pad().windowTitle(), "title");
    QTEST(pad().isSaved(), "saved");
    QTEST(pad().isVisible(), "visible");
    QTEST(m_pad->tb()->text(), "text");
    if (saveChosen)
        QCOMPARE(dialogs().messages.last().text, QStringLiteral("File Saved."));
}

void TestDocumentLifecycle::yesOnUntitledOpensSaveAsAndCancellingKeepsAsking()
{
    bringTo(State::UntitledChanged);
    // Yes, Save As cancelled, asked again; Cancel ends it.
    dialogs().answers << Answer::Yes << Answer::Cancel;
    m_pad->trigger(QStringLiteral("newer"));
    QCOMPARE(dialogs().saveRequests, 1);
    QCOMPARE(dialogs().messages.size(), 2);
    QVERIFY(!pad().isSaved());
    QCOMPARE(m_pad->tb()->text(), QStringLiteral("typed "));
}

void TestDocumentLifecycle::closeRequestAsksOnceAndKeepsTheWindow()
{
    bringTo(State::UntitledChanged);
    dialogs().answers << Answer::Yes; // Save As then cancelled
    QVERIFY(!pad().close());
    QCOMPARE(dialogs().messages.size(), 1);
    QCOMPARE(dialogs().saveRequests, 1);
    QVERIFY(pad().isVisible());
    dialogs().answers << Answer::No;
    QVERIFY(!pad().close());
    QVERIFY(!pad().isVisible());
    QVERIFY(pad().isSaved());
    QCOMPARE(m_pad->tb()->text(), QString());
}

void TestDocumentLifecycle::openedFilesSaveBackByteForByte_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : { "crlf.txt", "nofinalbreak.txt", "windows1252.txt", "utf8bom.txt" })
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
        dialogs().openAnswers.enqueue(path);
        m_pad->trigger(QStringLiteral("op"));
        m_pad->trigger(QStringLiteral("sav"));
        QCOMPARE(readAll(path), original);
    }
    QVERIFY(dialogs().messages.isEmpty());
}

void TestDocumentLifecycle::failedSaveKeepsNameAndStateAndSaysWhy_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target"); // "": the document's own file, now a folder
    QTest::newRow("save") << "sav" << QString();
    QTest::newRow("save as") << "sav2"
                             << "no-folder/x.txt";
}

// A later Save still goes to the file the document came from.
void TestDocumentLifecycle::failedSaveKeepsNameAndStateAndSaysWhy()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    bringTo(State::FileChanged);
    const QString failed = target.isEmpty() ? m_file : m_dir->filePath(target);
    if (target.isEmpty()) {
        QVERIFY(QFile::remove(m_file));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("notes.txt")));
    }
    dialogs().saveAnswers.enqueue(failed);
    m_pad->trigger(command);
    QCOMPARE(dialogs().messages.size(), 1);
    QVERIFY(dialogs().messages.first().text.contains(failed));
    QCOMPARE(pad().fileName(), m_file);
    QCOMPARE(pad().windowTitle(), fileTitle);
    QVERIFY(!pad().isSaved());
    if (!target.isEmpty()) {
        m_pad->trigger(QStringLiteral("sav"));
        QCOMPARE(readAll(m_file), QByteArray("typed on disk\n"));
    }
}

void TestDocumentLifecycle::failedOpenKeepsNameTitleAndText()
{
    bringTo(State::FileChanged);
    dialogs().answers << Answer::No;
    dialogs().openAnswers.enqueue(m_dir->filePath(QStringLiteral("missing.txt")));
    m_pad->trigger(QStringLiteral("op"));
    QCOMPARE(pad().fileName(), m_file);
    QCOMPARE(pad().windowTitle(), fileTitle);
    QCOMPARE(m_pad->tb()->text(), QStringLiteral("typed on disk"));
    QVERIFY(!pad().isSaved());
}

void TestDocumentLifecycle::closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("visible");
    QTest::newRow("changed/yes") << State::FileChanged << Answer::Yes << true << true;
    QTest::newRow("changed/no") << State::FileChanged << Answer::No << true << false;
    QTest::newRow("saved") << State::FileSaved << Answer::Yes << false << true;
}

void TestDocumentLifecycle::closeAllSignalAsksOnlyForTheWordAWithUnsavedChanges()
{
    QFETCH(State, state);
    QFETCH(Answer, answer);
    QFETCH(bool, asked);
    bringTo(state);
    pad().hide();
    dialogs().answers << answer;
    auto *cl = pad().findChild<QLineEdit *>(QStringLiteral("cl"));
    cl->setText(QStringLiteral("a"));
    QCOMPARE(dialogs().messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(dialogs().messages.first().text,
            QStringLiteral("Do you want to save unsaved file in Orbello's Quillstep?"));
        QTEST(pad().isVisible(), "visible");
    }
    QCOMPARE(cl->text(), QStringLiteral("a"));
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
    m_pad->setText(QStringLiteral("text"), 0, 2);
    if (bold)
        m_pad->tb()->setSelBold(true);
    dialogs().answers << Answer::No;
    m_pad->trigger(command);
    start.replace(QStringLiteral("<file>"), m_file)
        .replace(QStringLiteral("<folder>"), m_dir->path());
    QCOMPARE(dialogs().lastStart, start);
}

void TestDocumentLifecycle::drop(const QUrl &url)
{
    QMimeData data;
    data.setUrls({ url });
    data.setText(url.toString());
    QWidget *viewport = m_pad->tb()->viewport();
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
    dialogs().answers << Answer::No;
    drop(QUrl::fromLocalFile(m_dir->filePath(name)));
    QTRY_COMPARE(dialogs().messages.size(), 1);
    if (refusal.isEmpty()) {
        QCOMPARE(dialogs().messages.first().text, savePrompt);
        QTRY_COMPARE(pad().fileName(), m_file);
        return;
    }
    QCOMPARE(dialogs().messages.first().text, refusal);
    QCOMPARE(dialogs().messages.first().title, QStringLiteral("Error"));
    QCOMPARE(m_pad->tb()->text(), QStringLiteral("typed "));
    QVERIFY(!pad().isSaved());
}

void TestDocumentLifecycle::droppedAddressIsInsertedAsText()
{
    drop(QUrl(QStringLiteral("http://example.org/")));
    QCOMPARE(m_pad->tb()->text(), QStringLiteral("http://example.org/"));
    QVERIFY(dialogs().messages.isEmpty());
}

QTEST_MAIN(TestDocumentLifecycle)
#include "tst_documentlifecycle.moc"
