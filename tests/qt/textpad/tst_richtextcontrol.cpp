// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/rtf/documentfile.h"
#include "textpad/rtf/fileerror.h"

#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {
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
    void selectionIsClampedToTheDocument_data();
    void selectionIsClampedToTheDocument();
    void insertedTextTakesTheFormatAtTheCaret();
    void bulletIsUndeterminedOverMixedParagraphs();
    void mixedFormatsYieldNoValue();
    void formatWithNothingSelectedAppliesToTextTypedNext();
    void unreadableFileRaisesTheReasonAndKeepsTheContent();
    void unwritablePathRaisesTheReason();
    void sizeFollowsEveryEditWithoutMeasuringTheText();
    void longLinesScrollSidewaysInsteadOfWrapping();
    void typedCharactersAndMouseButtonsAreReported();
};

void TestRichTextControl::selectionIsClampedToTheDocument_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    // "ab" CR LF "cd": five document positions, six characters of text().
    QTest::newRow("selectAllByTextLength") << 0 << 6 << QStringLiteral("ab\r\ncd");
    QTest::newRow("startPastTheEnd") << 99 << 5 << QString();
    QTest::newRow("negativeStart") << -4 << 2 << QStringLiteral("ab");
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
    QRandomGenerator generator(20240307); // fixed, so that a failing sequence can be replayed
    auto *random = &generator;
    for (int step = 0; step < 200; ++step) {
        const int length = control.document()->characterCount() - 1;
        select(control, random->bounded(length + 1), random->bounded(4));
        if (step % 7 == 6)
            control.undo();
        else
            control.setSelText(pieces[random->bounded(int(std::size(pieces)))]);
        const QByteArray saved
            = textpad::encodePlainDocument(*control.document(), control.plainTextFormat()).bytes;
        QCOMPARE(control.plainTextSize(), saved.size());
    }
    control.setText(QString());
    QCOMPARE(control.plainTextSize(), 2);
}

void TestRichTextControl::longLinesScrollSidewaysInsteadOfWrapping()
{
    RichTextControl control;
    control.resize(200, 100);
    control.setText(QString(500, u'w'));
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QCOMPARE(control.document()->firstBlock().layout()->lineCount(), 1);
    QVERIFY(control.horizontalScrollBar()->maximum() > 0);
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
    QCOMPARE(keys.at(0).at(0).value<QChar>(), u'a');
    QCOMPARE(keys.at(1).at(0).value<QChar>(), u' ');
    QCOMPARE(keys.at(2).at(0).value<QChar>(), u'\r');
    QCOMPARE(control.text(), QStringLiteral("a \r\n"));
    QTest::mouseClick(control.viewport(), Qt::RightButton);
    QTest::mouseClick(control.viewport(), Qt::LeftButton);
    QTest::mouseClick(control.viewport(), Qt::MiddleButton);
    QCOMPARE(buttons.count(), 3);
    QCOMPARE(buttons.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(buttons.at(1).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(buttons.at(2).at(0).value<Qt::MouseButton>(), Qt::MiddleButton);
}

QTEST_MAIN(TestRichTextControl)
#include "tst_richtextcontrol.moc"
