// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/documentfile.h"
#include "textpad/rtf/documentsizetracker.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <sys/stat.h>

using namespace textpad;

class TestDocumentFile : public QObject
{
    Q_OBJECT
private slots:
    void plainFileComesBackByteForByte_data();
    void plainFileComesBackByteForByte();
    void randomBytesComeBackByteForByte();
    void editsKeepTheOtherLinesBreaks();
    void pipeIsRefusedWithoutWaiting();

private:
    LoadedDocument load(const QByteArray &bytes);
    // The bytes a plain save writes; the size the document predicts must agree with them.
    QByteArray saved(const LoadedDocument &loaded);

    QTemporaryDir m_dir;
};

LoadedDocument TestDocumentFile::load(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("file.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    return readDocumentFile(path, QTextDocument());
}

QByteArray TestDocumentFile::saved(const LoadedDocument &loaded)
{
    const DocumentSizeTracker tracker(loaded.document.get());
    const QByteArray bytes = encodePlainDocument(*loaded.document, loaded.plainFormat).bytes;
    if (plainTextSize(tracker.stats(), loaded.plainFormat) != bytes.size())
        return QByteArrayLiteral("(size predicted wrongly) ") + bytes;
    return bytes;
}

// The plain files in the data folder: break styles mixed, separators, controls, bytes no encoding
// defines, UTF-16 cut short.
void TestDocumentFile::plainFileComesBackByteForByte_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(TEST_DATA_DIR "/textpad"));
    const QStringList files = folder.entryList({ QStringLiteral("*.txt") }, QDir::Files);
    QVERIFY(files.size() >= 20);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
}

void TestDocumentFile::plainFileComesBackByteForByte()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(saved(readDocumentFile(path, QTextDocument())).toHex(' '), file.readAll().toHex(' '));
}

void TestDocumentFile::randomBytesComeBackByteForByte()
{
    const QByteArray pieces[] = { "\r", "\n", "\r\n", "a", "\xC3\xA9", "\xE2\x80\xA8",
        "\xE2\x80\xA9", "\xEF\xB7\x90", "\xEF\xBB\xBF", "\xFF\xFE" };
    QRandomGenerator random(20261207);
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        for (int n = random.bounded(24); n > 0; --n) {
            const int pick = random.bounded(int(std::size(pieces)) + 2);
            bytes += pick < int(std::size(pieces)) ? pieces[pick]
                                                   : QByteArray(1, char(random.bounded(256)));
        }
        QCOMPARE(saved(load(bytes)).toHex(' '), bytes.toHex(' '));
    }
}

void TestDocumentFile::editsKeepTheOtherLinesBreaks()
{
    const LoadedDocument loaded = load("a\r\nb\nc\r\n");
    QTextCursor(loaded.document->findBlockByNumber(2)).insertText(QStringLiteral("X"));
    // A line break typed into a line (Shift+Enter) saves in the file's style.
    QTextCursor(loaded.document->findBlockByNumber(1)).insertText(QString(QChar::LineSeparator));
    QCOMPARE(saved(loaded), QByteArray("a\r\n\r\nb\nXc\r\n"));
}

// Opening a pipe nobody writes to would wait for ever.
void TestDocumentFile::pipeIsRefusedWithoutWaiting()
{
    const QString path = m_dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, readDocumentFile(path, QTextDocument()));
}

QTEST_MAIN(TestDocumentFile)
#include "tst_documentfile.moc"
