// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/rtf/documentfile.h"

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

QTEST_MAIN(TestRichTextControl)
#include "tst_richtextcontrol.moc"
