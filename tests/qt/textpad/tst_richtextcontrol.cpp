// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/rtf/documentfile.h"

#include <QAbstractTextDocumentLayout>
#include <QRandomGenerator>
#include <QScrollBar>
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
    void sizeFollowsEveryEditWithoutMeasuringTheText();
    void longLinesScrollSidewaysInsteadOfWrapping();
    void positionsFollowEditsAndTallLines();
    void bulletedParagraphsAreIndented();
};

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

QTEST_MAIN(TestRichTextControl)
#include "tst_richtextcontrol.moc"
