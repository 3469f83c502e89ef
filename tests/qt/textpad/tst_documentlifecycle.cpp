// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/textpad/padfixture.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <memory>
#include <sys/stat.h>

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

enum class State { UntitledSaved, UntitledChanged, UntitledFormatted, FileSaved, FileChanged };
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
    void openedFilesSaveBackByteForByte();
    void droppedFileOpensOrIsRefused_data();
    void droppedFileOpensOrIsRefused();

private:
    void bringTo(State state);
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
    if (state != State::UntitledSaved && state != State::FileSaved)
        m_pad->tb()->setSelText(QStringLiteral("typed "));
    if (state == State::UntitledFormatted) {
        m_pad->tb()->setSelStart(0);
        m_pad->tb()->setSelLength(2);
        m_pad->tb()->setSelBold(true);
    }
    dialogs().messages.clear();
}

void TestDocumentLifecycle::commandsFromEachState_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<Answer>>("answers"); // to the save prompt; none: no prompt expected
    // The file to open, the Save As dialog's answer, or for Save: the file, made a folder first.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // how the last message starts
    // Where the file dialog started: Open in the document's folder, Save As with its path.
    QTest::addColumn<QString>("start");
    const QString typed = QStringLiteral("typed "), typedOnDisk = QStringLiteral("typed on disk");
    const QString saved = QStringLiteral("File Saved.");
    const QString closeAll
        = QStringLiteral("Do you want to save unsaved file in Orbello's Quillstep?");
    const QString notSaved = QStringLiteral("The document could not be saved to <dir>/");
    const QList<Answer> none, yes { Answer::Yes }, no { Answer::No }, cancel { Answer::Cancel };
    const State untitled = State::UntitledChanged, file = State::FileChanged;
    const QString out = QStringLiteral("out.txt"), notes = QStringLiteral("notes.txt");
    const QString txt = QStringLiteral("Untitled.txt"), none_ = QString();

    QTest::newRow("new/untitled/yes")
        << untitled << "newer" << yes << out << plainTitle << true << true << none_ << saved << txt;
    QTest::newRow("new/untitled/yes, save as cancelled, cancel")
        << untitled << "newer" << QList { Answer::Yes, Answer::Cancel } << none_ << plainTitle
        << false << true << typed << savePrompt << txt;
    QTest::newRow("new/untitled/cancel") << untitled << "newer" << cancel << none_ << plainTitle
                                         << false << true << typed << savePrompt << none_;
    QTest::newRow("save/untitled")
        << untitled << "sav" << none << out << "Orbello's Quillstep - out.txt" << true << true
        << typed << saved << txt;
    QTest::newRow("save/untitled formatted")
        << State::UntitledFormatted << "sav" << none << "out.rtf"
        << "Orbello's Quillstep - out.rtf" << true << true << typed << saved << "Untitled.rtf";
    QTest::newRow("save/file") << file << "sav" << none << none_ << fileTitle << true << true
                               << typedOnDisk << none_ << none_;
    QTest::newRow("save/file turned folder") << file << "sav" << none << notes << fileTitle << false
                                             << true << typedOnDisk << notSaved + notes << none_;
    QTest::newRow("save as/file/no such folder")
        << file << "sav2" << none << "no-folder/x.txt" << fileTitle << false << true << typedOnDisk
        << notSaved + "no-folder/x.txt"
        << "<dir>/notes.txt";
    QTest::newRow("exit/file/yes") << file << "bye" << yes << none_ << plainTitle << true << false
                                   << none_ << savePrompt << none_;
    QTest::newRow("exit/file/cancel") << file << "bye" << cancel << none_ << fileTitle << false
                                      << true << typedOnDisk << savePrompt << none_;
    QTest::newRow("open/untitled/no") << untitled << "op" << no << notes << fileTitle << true
                                      << true << "on disk" << savePrompt << none_;
    // The close box asks once; the close-all signal box asks only for "a" and unsaved changes.
    QTest::newRow("close/untitled/yes, save as cancelled")
        << untitled << "close" << yes << none_ << plainTitle << false << true << typed << savePrompt
        << txt;
    QTest::newRow("close/untitled/no") << untitled << "close" << no << none_ << plainTitle << true
                                       << false << none_ << savePrompt << none_;
    QTest::newRow("close all/file/yes") << file << "cl" << yes << none_ << fileTitle << true << true
                                        << typedOnDisk << closeAll << none_;
    QTest::newRow("close all/file/no")
        << file << "cl" << no << none_ << plainTitle << true << false << none_ << closeAll << none_;
    QTest::newRow("close all/saved file") << State::FileSaved << "cl" << none << none_ << fileTitle
                                          << true << false << "on disk" << none_ << none_;
    QTest::newRow("open/file/no, missing file")
        << file << "op" << no << "missing.txt" << fileTitle << false << true << typedOnDisk
        << savePrompt << "<dir>";
}

// One save prompt for each answer: a prompt that gave up after a cancelled Save As would leave an
// answer unused.
void TestDocumentLifecycle::commandsFromEachState()
{
    QFETCH(State, state);
    QFETCH(QString, command);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, path);
    QFETCH(QString, message);
    QFETCH(QString, start);
    bringTo(state);
    dialogs().answers << answers;
    if (command == QLatin1String("op"))
        dialogs().openAnswers.enqueue(m_dir->filePath(path));
    else if (!path.isEmpty())
        dialogs().saveAnswers.enqueue(m_dir->filePath(path));
    if (command == QLatin1String("sav") && state == State::FileChanged && !path.isEmpty()) {
        QVERIFY(QFile::remove(m_file));
        QVERIFY(QDir(m_dir->path()).mkdir(path));
    }
    if (command == QLatin1String("cl")) {
        pad().hide();
        pad().findChild<QLineEdit *>(command)->setText(QStringLiteral("a"));
    } else if (command == QLatin1String("close")) {
        QVERIFY(!pad().close()); // the pad only hides
    } else {
        m_pad->trigger(command);
    }

    const auto isPrompt = [](const auto &message) { return message.title == u"Save file?"; };
    const auto &messages = dialogs().messages;
    QCOMPARE(std::count_if(messages.begin(), messages.end(), isPrompt), answers.size());
    QTEST(pad().windowTitle(), "title");
    QTEST(pad().isSaved(), "saved");
    QTEST(pad().isVisible(), "visible");
    QTEST(m_pad->tb()->text(), "text");
    message.replace(QStringLiteral("<dir>"), m_dir->path());
    const QString last = dialogs().messages.isEmpty() ? QString() : dialogs().messages.last().text;
    QCOMPARE(last.left(message.size()), message);
    QCOMPARE(dialogs().lastStart, start.replace(QStringLiteral("<dir>"), m_dir->path()));
}

// One pad opens and saves each file in turn: no file's format may stay behind for the next.
void TestDocumentLifecycle::openedFilesSaveBackByteForByte()
{
    for (const char *name :
        { "crlf.txt", "windows1252.txt", "nofinalbreak.txt", "utf8bom.txt", "rtfmarkup.doc" }) {
        const QString path = m_dir->filePath(QLatin1String(name));
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/textpad/") + name, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray original = readAll(path);
        for (int cycle = 0; cycle < 2; ++cycle) {
            dialogs().openAnswers.enqueue(path);
            m_pad->trigger(QStringLiteral("op"));
            m_pad->trigger(QStringLiteral("sav"));
            QVERIFY2(readAll(path) == original, name);
        }
    }
    QVERIFY(dialogs().messages.isEmpty());
}

void TestDocumentLifecycle::droppedFileOpensOrIsRefused_data()
{
    QTest::addColumn<QString>("name"); // in the test's folder, or an address
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    const QString typed = QStringLiteral("typed ");
    QTest::newRow("file") << "notes.txt" << savePrompt << "on disk";
    QTest::newRow("folder") << "folder"
                            << "\"folder\" is a folder. Only files can be opened." << typed;
    QTest::newRow("pipe") << "pipe"
                          << "\"pipe\" is not a file. Only files can be opened." << typed;
    QTest::newRow("unreadable") << "gone.txt"
                                << "\"gone.txt\" cannot be read." << typed;
    QTest::newRow("2 GB") << "huge.txt"
                          << "\"huge.txt\" is too large to open: files up to 1024 MB can be "
                             "opened."
                          << typed;
    QTest::newRow("address") << "http://example.org/" << QString() << "http://example.org/typed ";
}

// A refused file leaves the document as it was, unsaved changes and all, without asking to save;
// an address is text.
void TestDocumentLifecycle::droppedFileOpensOrIsRefused()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(
        mkfifo(QFile::encodeName(m_dir->filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    QFile huge(m_dir->filePath(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(2) << 30)); // sparse
    bringTo(State::UntitledChanged);
    dialogs().answers << Answer::No;
    QMimeData data;
    const QUrl url = name.contains(u':') ? QUrl(name) : QUrl::fromLocalFile(m_dir->filePath(name));
    data.setUrls({ url });
    data.setText(url.toString());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_pad->tb()->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_pad->tb()->viewport(), &drop);
    QFETCH(QString, message);
    QTRY_COMPARE(dialogs().messages.value(0).text, message);
    QFETCH(QString, text);
    QTRY_COMPARE(m_pad->tb()->text(), text);
}

QTEST_MAIN(TestDocumentLifecycle)
#include "tst_documentlifecycle.moc"
