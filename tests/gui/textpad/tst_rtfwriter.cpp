// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtftestsupport.h"

#include "textpad/rtf/rtfreader.h"
#include "textpad/rtf/rtfwriter.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QUrl>

using namespace rtftest;

namespace {

// Everything the reader supports, per character, so that two documents can be compared.
QString describeFormat(const QTextCharFormat &format)
{
    const QColor color
        = format.foreground().style() == Qt::NoBrush ? QColor() : format.foreground().color();
    const QColor back
        = format.background().style() == Qt::NoBrush ? QColor() : format.background().color();
    return QStringLiteral("%1/%2/%3%4%5%6/%7/%8/%9")
        .arg(fontFamily(format))
        .arg(format.fontPointSize())
        .arg(format.fontWeight() >= QFont::DemiBold ? u'b' : u'-')
        .arg(format.fontItalic() ? u'i' : u'-')
        .arg(format.fontUnderline() ? u'u' : u'-')
        .arg(format.fontStrikeOut() ? u's' : u'-')
        .arg(color.isValid() ? color.name() : QString(), back.isValid() ? back.name() : QString())
        .arg(format.anchorHref());
}

QStringList describeDocument(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextList *list = block.textList();
        lines.append(QStringLiteral("para %1 %2 %3 %4")
                         .arg(alignmentName(block.blockFormat().alignment()), listKind(block))
                         .arg(list ? list->format().indent() : 0)
                         .arg(list ? list->itemNumber(block) : -1));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            lines.append(
                fragment.text() + QStringLiteral(" | ") + describeFormat(fragment.charFormat()));
        }
    }
    return lines;
}

QTextDocument *roundTrip(const QTextDocument &source, QObject *parent, QByteArray *rtf = nullptr)
{
    const QByteArray written = writeRtf(&source);
    if (rtf)
        *rtf = written;
    auto *document = new QTextDocument(parent);
    readRtf(written, document);
    return document;
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void fixtureRoundTrip_data();
    void fixtureRoundTrip();
    void characterEncoding_data();
    void characterEncoding();
    void listsReadableByOldAndNewReaders_data();
    void listsReadableByOldAndNewReaders();
    void formatsSurvive();
    void picturesWrittenAsPng();
};

void TestRtfWriter::fixtureRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files
        = QDir(dataPath(QString())).entryList({ QStringLiteral("*.rtf") }, QDir::Files);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file.chopped(4))) << file.chopped(4);
}

void TestRtfWriter::fixtureRoundTrip()
{
    QFETCH(QString, name);
    QTextDocument original;
    QVERIFY(readRtf(readFile(dataPath(name + ".rtf")), &original));
    QByteArray written;
    QTextDocument *copy = roundTrip(original, this, &written);
    QCOMPARE(visibleText(*copy), visibleText(original));
    QCOMPARE(describeDocument(*copy), describeDocument(original));
    QCOMPARE(imageCount(*copy), imageCount(original));
    // Writing what was read back gives the same file: nothing drifts on repeated saves.
    QCOMPARE(writeRtf(copy), written);
}

void TestRtfWriter::characterEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("braces and backslash escaped")
        << QStringLiteral("{a\\b}") << QByteArray("\\{a\\\\b\\}");
    QTest::newRow("cp1252 high range as hex") << QStringLiteral("€…") << QByteArray("\\'80\\'85");
    QTest::newRow("CJK as negative unicode") << QStringLiteral("中") << QByteArray("\\u20013?");
    QTest::newRow("above U+FFFF as surrogates")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("tab and line break")
        << QStringLiteral("a\tb\u2028c") << QByteArray("a\\tab b\\line c");
}

void TestRtfWriter::characterEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextDocument document;
    document.setPlainText(text);
    const QByteArray rtf = writeRtf(&document);
    QVERIFY2(rtf.contains(expected), rtf.constData());
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    QTextDocument back;
    QVERIFY(readRtf(rtf, &back));
    QCOMPARE(back.toRawText(), document.toRawText());
}

void TestRtfWriter::listsReadableByOldAndNewReaders_data()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("list-table reader") << QStringLiteral(R"(\{\\\*\\pn\\.*?\}\})");
    QTest::newRow("numbering-word reader") << QStringLiteral(
        R"(\{\\\*\\listtable.*?\{\\\*\\listoverridetable.*?\}\}\r\n|\\ls\d+|\\ilvl\d+)");
}

void TestRtfWriter::listsReadableByOldAndNewReaders()
{
    QFETCH(QString, removed);
    QTextDocument original;
    QVERIFY(readRtf(readFile(dataPath(QStringLiteral("wordpad-lists.rtf"))), &original));
    QString rtf = QString::fromLatin1(writeRtf(&original));
    QVERIFY(rtf.contains(u"{\\pntext \\u8226\\'95\\tab}"));
    QVERIFY(rtf.contains(u"{\\pntext 2.\\tab}"));
    QVERIFY(rtf.contains(u"\\listtable"));
    rtf.remove(QRegularExpression(removed, QRegularExpression::DotMatchesEverythingOption));
    QTextDocument reduced;
    QVERIFY(readRtf(rtf.toLatin1(), &reduced));
    QCOMPARE(visibleText(reduced), visibleText(original));
    QStringList kinds;
    for (QTextBlock block = reduced.begin(); block.isValid(); block = block.next())
        kinds.append(listKind(block));
    QCOMPARE(kinds.join(u' '),
        QStringLiteral("none bullet bullet bullet none number number number none"));
}

void TestRtfWriter::formatsSurvive()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(40);
    centred.setTopMargin(6);
    cursor.setBlockFormat(centred);
    QTextCharFormat format;
    format.setFontFamilies({ QStringLiteral("Courier New") });
    format.setFontPointSize(10.5);
    format.setFontWeight(QFont::Bold);
    format.setForeground(QColor(10, 20, 30));
    format.setBackground(QColor(255, 255, 0));
    cursor.insertText(QStringLiteral("styled"), format);
    QTextCharFormat link = format;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.com/{a}\\b?c=d&e"));
    link.setFontUnderline(true);
    cursor.insertText(QStringLiteral("link"), link);
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListUpperRoman);
    numbered.setIndent(2);
    cursor.insertBlock();
    cursor.createList(numbered);
    cursor.insertText(QStringLiteral("first"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second"));

    QTextDocument *copy = roundTrip(document, this);
    QCOMPARE(describeDocument(*copy), describeDocument(document));
    QCOMPARE(copy->firstBlock().blockFormat().leftMargin(), 40.0);
    QCOMPARE(copy->firstBlock().blockFormat().topMargin(), 6.0);
    QCOMPARE(copy->lastBlock().textList()->format().style(), QTextListFormat::ListUpperRoman);
}

void TestRtfWriter::picturesWrittenAsPng()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("mem:red")), image);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before "));
    QTextImageFormat picture;
    picture.setName(QStringLiteral("mem:red"));
    cursor.insertImage(picture);
    cursor.insertText(QStringLiteral(" after"));

    QByteArray rtf;
    QTextDocument *copy = roundTrip(document, this, &rtf);
    QVERIFY(rtf.contains("{\\pict\\pngblip"));
    QVERIFY(rtf.contains("89504e470d0a1a0a")); // the PNG signature
    QCOMPARE(imageCount(*copy), 1);
    QCOMPARE(visibleText(*copy), QStringLiteral("before  after"));
    const QTextImageFormat read = formatAt(copy->firstBlock(), 7).toImageFormat();
    const QImage loaded
        = copy->resource(QTextDocument::ImageResource, QUrl(read.name())).value<QImage>();
    QCOMPARE(loaded.size(), QSize(3, 2));
    QCOMPARE(QColor(loaded.pixel(1, 1)), QColor(Qt::red));
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
