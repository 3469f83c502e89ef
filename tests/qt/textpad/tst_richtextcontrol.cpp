// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/rtf/fileerror.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString dataFile(const char *name)
{
    return QStringLiteral(TEST_DATA_DIR "/textpad/") + QLatin1String(name);
}

void select(RichTextControl &control, int start, int length)
{
    control.setSelStart(start);
    control.setSelLength(length);
}
} // namespace

class TestRichTextControl : public QObject
{
    Q_OBJECT
private slots:
    void textReportsLineBreaksAsCrLf();
    void settingTextReplacesEverythingAndRaisesChange();
    void selectionIsClampedToTheDocument_data();
    void selectionIsClampedToTheDocument();
    void insertedTextTakesTheFormatAtTheCaret();
    void bulletIsUndeterminedOverMixedParagraphs();
    void mixedFormatsYieldNoValue();
    void formatWithNothingSelectedAppliesToTextTypedNext();
    void plainFilesComeBackByteForByte_data();
    void plainFilesComeBackByteForByte();
    void richTextFileLoadsWithItsFormatting();
    void richTextSurvivesASaveAndReload();
    void unreadableFileRaisesTheReasonAndKeepsTheContent();
    void unwritablePathRaisesTheReason();
    void sizeFollowsEveryEditWithoutMeasuringTheText();
    void typedCharactersAndMouseButtonsAreReported();
    void pasteBringsTextWithoutItsFormatting();
};

void TestRichTextControl::textReportsLineBreaksAsCrLf()
{
    RichTextControl control;
    control.setText(QStringLiteral("one\ntwo\r\nthree\rfour"));
    QCOMPARE(control.text(), QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    QCOMPARE(control.document()->blockCount(), 4);
}

void TestRichTextControl::settingTextReplacesEverythingAndRaisesChange()
{
    RichTextControl control;
    control.setText(QStringLiteral("old"));
    QSignalSpy changes(&control, &RichTextControl::change);
    control.setText(QString());
    QCOMPARE(control.text(), QString());
    QVERIFY(changes.count() >= 1);
}

void TestRichTextControl::selectionIsClampedToTheDocument_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    // "ab" CR LF "cd": five document positions, six characters of text().
    QTest::newRow("selectAllByTextLength") << 0 << 6 << QStringLiteral("ab\r\ncd");
    QTest::newRow("acrossTheBreak") << 1 << 3 << QStringLiteral("b\r\nc");
    QTest::newRow("startPastTheEnd") << 99 << 5 << QString();
    QTest::newRow("negativeStart") << -4 << 2 << QStringLiteral("ab");
    QTest::newRow("negativeLength") << 2 << -1 << QString();
}

void TestRichTextControl::selectionIsClampedToTheDocument()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);
    RichTextControl control;
    control.setText(QStringLiteral("ab\r\ncd"));
    select(control, start, length);
    QCOMPARE(control.selText(), selected);
    QVERIFY(control.selStart() >= 0 && control.selStart() <= 5);
    const int caret = control.selStart();
    control.setSelStart(caret);
    QCOMPARE(control.selStart(), caret);
    QCOMPARE(control.selLength(), 0);
}

void TestRichTextControl::insertedTextTakesTheFormatAtTheCaret()
{
    RichTextControl control;
    control.setText(QStringLiteral("plain bold"));
    select(control, 6, 4);
    control.setSelBold(true);
    control.setSelStart(8);
    QSignalSpy changes(&control, &RichTextControl::change);
    control.setSelText(QStringLiteral("XY\r\nZ"));
    QVERIFY(changes.count() >= 1);
    QCOMPARE(control.text(), QStringLiteral("plain boXY\r\nZld"));
    QCOMPARE(control.selStart(), 12);
    select(control, 8, 4);
    QCOMPARE(control.selBold(), std::optional<bool>(true));
}

void TestRichTextControl::bulletIsUndeterminedOverMixedParagraphs()
{
    RichTextControl control;
    control.setText(QStringLiteral("one\ntwo\nthree"));
    QCOMPARE(control.selBullet(), std::optional<bool>(false));
    select(control, 0, 3);
    control.setSelBullet(true);
    QCOMPARE(control.selBullet(), std::optional<bool>(true));
    select(control, 0, 9); // "one", "two" and the start of "three"
    QCOMPARE(control.selBullet(), std::optional<bool>());
    control.setSelBullet(false);
    select(control, 0, 100);
    QCOMPARE(control.selBullet(), std::optional<bool>(false));
    QCOMPARE(control.text(), QStringLiteral("one\r\ntwo\r\nthree"));
}

void TestRichTextControl::mixedFormatsYieldNoValue()
{
    RichTextControl control;
    control.setText(QStringLiteral("abcdef"));
    select(control, 0, 3);
    control.setSelItalic(true);
    control.setSelFontName(QStringLiteral("Serif"));
    control.setSelFontSize(14);
    control.setSelColor(Qt::red);
    select(control, 0, 3);
    QCOMPARE(control.selItalic(), std::optional<bool>(true));
    QCOMPARE(control.selFontName(), std::optional<QString>(QStringLiteral("Serif")));
    QCOMPARE(control.selFontSize(), std::optional<double>(14));
    QCOMPARE(control.selColor(), std::optional<QColor>(QColor(Qt::red)));
    select(control, 2, 3);
    QCOMPARE(control.selItalic(), std::optional<bool>());
    QCOMPARE(control.selFontName(), std::optional<QString>());
    QCOMPARE(control.selFontSize(), std::optional<double>());
    QCOMPARE(control.selColor(), std::optional<QColor>());
    QCOMPARE(control.selBold(), std::optional<bool>(false));
    QCOMPARE(control.selUnderline(), std::optional<bool>(false));
}

void TestRichTextControl::formatWithNothingSelectedAppliesToTextTypedNext()
{
    RichTextControl control;
    control.setText(QStringLiteral("ab"));
    control.setSelStart(2);
    control.setSelUnderline(true);
    control.setSelStrikeThru(true);
    QCOMPARE(control.selUnderline(), std::optional<bool>(true));
    QTest::keyClicks(&control, QStringLiteral("cd"));
    select(control, 2, 2);
    QCOMPARE(control.selUnderline(), std::optional<bool>(true));
    QCOMPARE(control.selStrikeThru(), std::optional<bool>(true));
    select(control, 0, 2);
    QCOMPARE(control.selUnderline(), std::optional<bool>(false));
}

void TestRichTextControl::plainFilesComeBackByteForByte_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("lf") << dataFile("lf.txt")
                        << QStringLiteral("first line\r\nsecond line\r\n\r\nlast line");
    QTest::newRow("crlf") << dataFile("crlf.txt")
                          << QStringLiteral("first line\r\nsecond line\r\n\r\nlast line");
    QTest::newRow("cr") << dataFile("cr.txt") << QStringLiteral("old\r\nmac\r\nbreaks");
    QTest::newRow("noFinalBreak") << dataFile("nofinalbreak.txt")
                                  << QStringLiteral("no final break\r\nhere");
    QTest::newRow("windows1252") << dataFile(
        "windows1252.txt") << QStringLiteral("caf\u00E9 \u20AC \u201Cquoted\u201D\r\nna\u00EFve");
    QTest::newRow("utf8WithBom") << dataFile("utf8bom.txt")
                                 << QStringLiteral("caf\u00E9 \u20AC\r\n")
            + QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("utf16") << dataFile("utf16le.txt") << QStringLiteral("hi\r\n\u00E9");
}

void TestRichTextControl::plainFilesComeBackByteForByte()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QTemporaryDir dir;
    RichTextControl control;
    control.loadFile(file);
    QCOMPARE(control.text(), text);
    const QByteArray original = readAll(file);
    QCOMPARE(control.plainTextSize(), original.size());
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    control.savePlainFile(copy);
    QCOMPARE(readAll(copy), original);
}

void TestRichTextControl::richTextFileLoadsWithItsFormatting()
{
    RichTextControl control;
    QSignalSpy changes(&control, &RichTextControl::change);
    control.loadFile(dataFile("wordpad-basic.rtf"));
    QVERIFY(changes.count() >= 1);
    QString expected = QString::fromUtf8(readAll(dataFile("wordpad-basic.txt")));
    expected.chop(1);
    QCOMPARE(control.text(), expected.replace(u'\n', QStringLiteral("\r\n")));
    select(control, control.toPlainText().indexOf(QStringLiteral("bold")), 4);
    QCOMPARE(control.selBold(), std::optional<bool>(true));
    // A rich text file saved as plain text is a new plain file: CR LF and a closing break.
    QCOMPARE(control.plainTextFormat(), textpad::PlainTextFormat());
}

void TestRichTextControl::richTextSurvivesASaveAndReload()
{
    QTemporaryDir dir;
    RichTextControl original;
    original.loadFile(dataFile("wordpad-lists.rtf"));
    const QString path = dir.filePath(QStringLiteral("again.rtf"));
    original.saveFile(path);
    QVERIFY(readAll(path).startsWith("{\\rtf"));
    RichTextControl reloaded;
    reloaded.loadFile(path);
    QCOMPARE(reloaded.text(), original.text());
    const int item = original.toPlainText().indexOf(QStringLiteral("Passport"));
    select(original, item, 1);
    select(reloaded, item, 1);
    QCOMPARE(reloaded.selBullet(), std::optional<bool>(true));
    QCOMPARE(reloaded.selBullet(), original.selBullet());
}

void TestRichTextControl::unreadableFileRaisesTheReasonAndKeepsTheContent()
{
    RichTextControl control;
    control.setText(QStringLiteral("keep me"));
    const QString missing = QStringLiteral(TEST_DATA_DIR "/textpad/no-such-file.txt");
    try {
        control.loadFile(missing);
        QFAIL("no error raised");
    } catch (const FileError &error) {
        QCOMPARE(error.path(), missing);
        QVERIFY(!error.reason().isEmpty());
    }
    QCOMPARE(control.text(), QStringLiteral("keep me"));
}

void TestRichTextControl::unwritablePathRaisesTheReason()
{
    QTemporaryDir dir;
    RichTextControl control;
    control.setText(QStringLiteral("text"));
    const QString path = dir.filePath(QStringLiteral("missing-folder/x.txt"));
    QVERIFY_THROWS_EXCEPTION(FileError, control.savePlainFile(path));
    QVERIFY_THROWS_EXCEPTION(FileError, control.saveFile(path));
    QVERIFY(!QFile::exists(path));
}

void TestRichTextControl::sizeFollowsEveryEditWithoutMeasuringTheText()
{
    RichTextControl control;
    control.setText(QStringLiteral("caf\u00E9\nline two\n\u20AC"));
    const QString pieces[]
        = { QStringLiteral("x"), QStringLiteral("\n"), QStringLiteral("\u00E9\u00E9"),
              QStringLiteral("a\nb\nc"), QStringLiteral("\u20AC\n"), QString() };
    auto *random = QRandomGenerator::global();
    for (int step = 0; step < 200; ++step) {
        const int length = control.document()->characterCount() - 1;
        select(control, random->bounded(length + 1), random->bounded(4));
        if (step % 7 == 6)
            control.undo();
        else
            control.setSelText(pieces[random->bounded(int(std::size(pieces)))]);
        const QByteArray saved
            = textpad::encodePlainText(control.document()->toRawText(), control.plainTextFormat())
                  .bytes;
        QCOMPARE(control.plainTextSize(), saved.size());
    }
    control.setText(QString());
    QCOMPARE(control.plainTextSize(), 2);
}

void TestRichTextControl::typedCharactersAndMouseButtonsAreReported()
{
    RichTextControl control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QSignalSpy keys(&control, &RichTextControl::keyPress);
    QSignalSpy buttons(&control, &RichTextControl::mouseUp);
    QTest::keyClick(&control, Qt::Key_A);
    QTest::keyClick(&control, Qt::Key_Space);
    QTest::keyClick(&control, Qt::Key_Return);
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys.at(0).at(0).toInt(), int('a'));
    QCOMPARE(keys.at(1).at(0).toInt(), 32);
    QCOMPARE(keys.at(2).at(0).toInt(), 13);
    QCOMPARE(control.text(), QStringLiteral("a \r\n"));
    QTest::mouseClick(control.viewport(), Qt::RightButton);
    QTest::mouseClick(control.viewport(), Qt::LeftButton);
    QTest::mouseClick(control.viewport(), Qt::MiddleButton);
    QCOMPARE(buttons.count(), 3);
    QCOMPARE(buttons.at(0).at(0).toInt(), 2);
    QCOMPARE(buttons.at(1).at(0).toInt(), 1);
    QCOMPARE(buttons.at(2).at(0).toInt(), 4);
}

void TestRichTextControl::pasteBringsTextWithoutItsFormatting()
{
    RichTextControl control;
    control.setText(QStringLiteral("[]"));
    control.setSelStart(1);
    auto *data = new QMimeData;
    data->setHtml(QStringLiteral("<b>bold</b>"));
    data->setText(QStringLiteral("bold"));
    QApplication::clipboard()->setMimeData(data);
    control.paste();
    QCOMPARE(control.text(), QStringLiteral("[bold]"));
    select(control, 1, 4);
    QCOMPARE(control.selBold(), std::optional<bool>(false));
}

QTEST_MAIN(TestRichTextControl)
#include "tst_richtextcontrol.moc"
