// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/rtf/documentfile.h"
#include "textpad/rtf/fileerror.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
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
    void mixedFormatsYieldNoValue();
    void formatWithNothingSelectedAppliesToTextTypedNext();
    void fileErrorsCarryThePathAndKeepTheContent();
    void sizeFollowsEveryEditWithoutMeasuringTheText();
    void longLinesScrollSidewaysInsteadOfWrapping();
    void positionsFollowEditsAndTallLines();
    void bulletedParagraphsAreIndented();
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
    RichTextControl control;
    control.setText(QStringLiteral("ab\r\ncd"));
    select(control, start, length);
    QTEST(control.selText(), "selected");
    QVERIFY(control.selStart() >= 0 && control.selStart() <= 5);
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

void TestRichTextControl::mixedFormatsYieldNoValue()
{
    RichTextControl control;
    control.setText(QStringLiteral("abc\ndef"));
    select(control, 0, 3);
    control.setSelItalic(true);
    control.setSelFontName(QStringLiteral("Serif"));
    control.setSelFontSize(14);
    control.setSelColor(Qt::red);
    control.setSelBullet(true);
    select(control, 0, 3);
    QCOMPARE(control.selItalic(), std::optional<bool>(true));
    QCOMPARE(control.selFontName(), std::optional<QString>(QStringLiteral("Serif")));
    QCOMPARE(control.selFontSize(), std::optional<double>(14));
    QCOMPARE(control.selColor(), std::optional<QColor>(QColor(Qt::red)));
    QCOMPARE(control.selBullet(), std::optional<bool>(true));
    select(control, 2, 3); // "c", the break and "d"
    QCOMPARE(control.selItalic(), std::optional<bool>());
    QCOMPARE(control.selFontName(), std::optional<QString>());
    QCOMPARE(control.selFontSize(), std::optional<double>());
    QCOMPARE(control.selColor(), std::optional<QColor>());
    QCOMPARE(control.selBullet(), std::optional<bool>());
    QCOMPARE(control.selBold(), std::optional<bool>(false));
    QCOMPARE(control.text(), QStringLiteral("abc\r\ndef"));
}

void TestRichTextControl::formatWithNothingSelectedAppliesToTextTypedNext()
{
    RichTextControl control;
    control.setText(QStringLiteral("ab"));
    control.setSelStart(2);
    control.setSelUnderline(true);
    control.setSelStrikeThru(true);
    QTest::keyClicks(&control, QStringLiteral("cd"));
    select(control, 2, 2);
    QCOMPARE(control.selUnderline(), std::optional<bool>(true));
    QCOMPARE(control.selStrikeThru(), std::optional<bool>(true));
    select(control, 0, 2);
    QCOMPARE(control.selUnderline(), std::optional<bool>(false));
}

void TestRichTextControl::fileErrorsCarryThePathAndKeepTheContent()
{
    QTemporaryDir dir;
    RichTextControl control;
    control.setText(QStringLiteral("keep me"));
    const QString missing = dir.filePath(QStringLiteral("missing-folder/x.txt"));
    try {
        control.loadFile(missing);
        QFAIL("no error raised");
    } catch (const FileError &error) {
        QCOMPARE(error.path(), missing);
        QVERIFY(!error.reason().isEmpty());
    }
    QCOMPARE(control.text(), QStringLiteral("keep me"));
    QVERIFY_THROWS_EXCEPTION(FileError, control.savePlainFile(missing));
    QVERIFY_THROWS_EXCEPTION(FileError, control.saveFile(missing));
    QVERIFY(!QFile::exists(missing));
}

void TestRichTextControl::sizeFollowsEveryEditWithoutMeasuringTheText()
{
    RichTextControl control;
    control.setText(QStringLiteral("caf\u00E9\nline two\n\u20AC"));
    const QString pieces[]
        = { QStringLiteral("x"), QStringLiteral("\n"), QStringLiteral("\u00E9\u00E9"),
              QStringLiteral("a\nb\nc"), QStringLiteral("\u20AC\n"), QString() };
    QRandomGenerator random(20240307); // fixed, so that a failing sequence can be replayed
    for (int step = 0; step < 200; ++step) {
        const int length = control.document()->characterCount() - 1;
        select(control, random.bounded(length + 1), random.bounded(4));
        if (step % 7 == 6)
            control.undo();
        else
            control.setSelText(pieces[random.bounded(int(std::size(pieces)))]);
        const QByteArray saved
            = textpad::encodePlainDocument(*control.document(), control.plainTextFormat()).bytes;
        QCOMPARE(control.plainTextSize(), saved.size());
    }
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

// Lines are laid out only once they are seen or asked about; where each one is must still follow
// edits that add or remove lines, and lines taller than the rest.
void TestRichTextControl::positionsFollowEditsAndTallLines()
{
    RichTextControl control;
    control.resize(300, 200);
    control.setText(QStringLiteral("line\r\n").repeated(10000) + QStringLiteral("end"));
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QTextDocument *document = control.document();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    const auto top = [&](int number) {
        return layout->blockBoundingRect(document->findBlockByNumber(number)).top();
    };
    const qreal line = top(1) - top(0);
    QVERIFY(line > 0);
    // The block found halfway down each of the last two lines, below a first line of `first`.
    const auto lastTwoFound = [&](qreal first) {
        const int last = document->blockCount() - 1;
        QList<int> found;
        for (int number : { last - 1, last }) {
            const QPointF point(10, top(0) + first + (number - 0.5) * line);
            found.append(document->findBlock(layout->hitTest(point, Qt::FuzzyHit)).blockNumber());
        }
        return found == QList<int> { last - 1, last };
    };
    QVERIFY(lastTwoFound(line));

    select(control, 0, 5 * 5); // five lines and their breaks
    control.setSelText(QString());
    select(control, 0, 0);
    control.setSelText(QStringLiteral("a\r\nb\r\n"));
    QCOMPARE(document->blockCount(), 9998);
    QVERIFY(lastTwoFound(line));

    select(control, 0, 1);
    control.setSelFontSize(60);
    const qreal tall = layout->blockBoundingRect(document->firstBlock()).height();
    QVERIFY(tall > 2 * line);
    QVERIFY(lastTwoFound(tall));
    QTRY_COMPARE(
        layout->documentSize().height(), tall + 9997 * line + 2 * document->documentMargin());
}

void TestRichTextControl::bulletedParagraphsAreIndented()
{
    RichTextControl control;
    control.setText(QStringLiteral("plain\r\nbulleted"));
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    control.setSelStart(7);
    control.setSelBullet(true);
    const QRect bulleted = control.cursorRect();
    control.setSelStart(0);
    QVERIFY(bulleted.left() > control.cursorRect().left() + 5);
}

void TestRichTextControl::typedCharactersAndMouseButtonsAreReported()
{
    RichTextControl control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QSignalSpy keys(&control, &RichTextControl::keyPress);
    QSignalSpy buttons(&control, &RichTextControl::mouseUp);
    const QList<QPair<Qt::Key, QChar>> typed { { Qt::Key_A, u'a' }, { Qt::Key_Space, u' ' },
        { Qt::Key_Return, u'\r' } };
    for (const auto &[key, character] : typed) {
        QTest::keyClick(&control, key);
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys.takeFirst().at(0).value<QChar>(), character);
    }
    QCOMPARE(control.text(), QStringLiteral("a \r\n"));
    for (Qt::MouseButton button : { Qt::RightButton, Qt::LeftButton, Qt::MiddleButton }) {
        QTest::mouseClick(control.viewport(), button);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.takeFirst().at(0).value<Qt::MouseButton>(), button);
    }
}

QTEST_MAIN(TestRichTextControl)
#include "tst_richtextcontrol.moc"
