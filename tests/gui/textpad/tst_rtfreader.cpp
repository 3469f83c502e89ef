// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtftestsupport.h"

#include "textpad/rtf/rtfreader.h"

#include <QDir>
#include <QTest>

using namespace rtftest;

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void fixtureText_data();
    void fixtureText();
    void fixtureFacts_data();
    void fixtureFacts();
    void damagedFile_data();
    void damagedFile();
    void notRtfLeavesDocumentUnchanged();
    void syntax_data();
    void syntax();

private:
    static void fixtureRows();
    static void checkRun(const QTextDocument &document, const QJsonObject &run);
    static void checkParagraph(const QTextDocument &document, const QJsonObject &fact);
};

void TestRtfReader::fixtureRows()
{
    QTest::addColumn<QString>("name");
    const QStringList files
        = QDir(dataPath(QString())).entryList({ QStringLiteral("*.rtf") }, QDir::Files);
    QVERIFY(files.size() >= 48);
    for (const QString &file : files) {
        const QString name = file.chopped(4);
        QTest::newRow(qPrintable(name)) << name;
    }
}

void TestRtfReader::fixtureText_data()
{
    fixtureRows();
}

void TestRtfReader::fixtureText()
{
    QFETCH(QString, name);
    QTextDocument document;
    QVERIFY(readRtf(readFile(dataPath(name + ".rtf")), &document));
    const QString expected = trimmedLines(QString::fromUtf8(readFile(dataPath(name + ".txt"))));
    QCOMPARE(visibleText(document), expected);
}

void TestRtfReader::fixtureFacts_data()
{
    fixtureRows();
}

void TestRtfReader::fixtureFacts()
{
    QFETCH(QString, name);
    QTextDocument document;
    QVERIFY(readRtf(readFile(dataPath(name + ".rtf")), &document));
    const QJsonObject expect = readExpectations(dataPath(name + ".expect.json"));

    for (const QJsonValue fact : expect.value(u"paragraph_facts").toArray())
        checkParagraph(document, fact.toObject());
    for (const QJsonValue run : expect.value(u"runs").toArray())
        checkRun(document, run.toObject());

    const QString text = visibleText(document);
    for (const QJsonValue forbidden : expect.value(u"must_not_contain").toArray())
        QVERIFY2(!text.contains(forbidden.toString()), qPrintable(forbidden.toString()));

    if (expect.contains(u"images"))
        QCOMPARE(imageCount(document), expect.value(u"images").toInt());

    QVector<QPair<QString, QString>> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && href == previous)
                links.last().first += it.fragment().text();
            else if (!href.isEmpty())
                links.append({ it.fragment().text(), href });
            previous = href;
        }
    }
    const QJsonArray expectedLinks = expect.value(u"links").toArray();
    if (expect.contains(u"links")) {
        QCOMPARE(links.size(), expectedLinks.size());
        for (int i = 0; i < links.size(); ++i) {
            const QJsonObject link = expectedLinks.at(i).toObject();
            QCOMPARE(QString(links.at(i).first).replace(QChar::LineSeparator, u'\n'),
                link.value(u"text").toString());
            QCOMPARE(links.at(i).second, link.value(u"url").toString());
        }
    }

    const QStringList lines = text.split(u'\n');
    for (const QJsonValue table : expect.value(u"tables").toArray()) {
        QStringList cells;
        for (const QJsonValue row : table.toObject().value(u"rows").toArray()) {
            for (const QJsonValue cell : row.toArray())
                cells.append(cell.toString());
        }
        bool found = false;
        for (int start = 0; start + cells.size() <= lines.size() && !found; ++start)
            found = lines.mid(start, cells.size()) == cells;
        QVERIFY2(found, qPrintable(cells.join(u'|')));
    }
}

void TestRtfReader::checkParagraph(const QTextDocument &document, const QJsonObject &fact)
{
    const int para = fact.value(u"para").toInt();
    const QTextBlock block = document.findBlockByNumber(para);
    QVERIFY2(block.isValid(), qPrintable(QStringLiteral("paragraph %1").arg(para)));
    const QByteArray where = "paragraph " + QByteArray::number(para);
    if (fact.contains(u"align"))
        QVERIFY2(alignmentName(block.blockFormat().alignment()) == fact.value(u"align").toString(),
            where);
    if (fact.contains(u"list")) {
        const QString kind = fact.value(u"list").isNull() ? QStringLiteral("none")
                                                          : fact.value(u"list").toString();
        QVERIFY2(listKind(block) == kind, where + " is " + listKind(block).toUtf8());
    }
    if (fact.contains(u"level") && block.textList())
        QVERIFY2(block.textList()->format().indent() == fact.value(u"level").toInt(), where);
}

void TestRtfReader::checkRun(const QTextDocument &document, const QJsonObject &run)
{
    const int para = run.value(u"para").toInt();
    const int offset = run.value(u"offset").toInt();
    const QString expected = run.value(u"text").toString();
    const QTextBlock block = document.findBlockByNumber(para);
    const QVector<int> positions = codePointPositions(block);
    const int length = int(expected.toUcs4().size());
    QVERIFY2(offset + length <= positions.size(), qPrintable(expected));
    QString actual;
    const QString text = block.text();
    for (int i = offset; i < offset + length; ++i) {
        const int position = positions.at(i);
        actual += text.mid(position, text.at(position).isHighSurrogate() ? 2 : 1);
        const QTextCharFormat format = formatAt(block, position);
        const QByteArray where
            = QStringLiteral("'%1' at %2:%3").arg(expected).arg(para).arg(i).toUtf8();
        if (run.contains(u"bold"))
            QVERIFY2((format.fontWeight() >= QFont::DemiBold) == run.value(u"bold").toBool(),
                where + " bold");
        if (run.contains(u"italic"))
            QVERIFY2(format.fontItalic() == run.value(u"italic").toBool(), where + " italic");
        if (run.contains(u"underline"))
            QVERIFY2(
                format.fontUnderline() == run.value(u"underline").toBool(), where + " underline");
        if (run.contains(u"strike"))
            QVERIFY2(format.fontStrikeOut() == run.value(u"strike").toBool(), where + " strike");
        if (run.contains(u"font"))
            QVERIFY2(fontFamily(format) == run.value(u"font").toString(),
                where + " font " + fontFamily(format).toUtf8());
        if (run.contains(u"size_pt"))
            QVERIFY2(qFuzzyCompare(format.fontPointSize(), run.value(u"size_pt").toDouble()),
                where + " size");
        if (run.contains(u"link"))
            QVERIFY2(format.anchorHref() == run.value(u"link").toString(), where + " link");
        if (run.contains(u"color")) {
            const QJsonArray rgb = run.value(u"color").toArray();
            const bool automatic = format.foreground().style() == Qt::NoBrush
                || format.foreground().color() == Qt::black;
            if (rgb.isEmpty())
                QVERIFY2(automatic, where + " colour");
            else
                QVERIFY2(format.foreground().color()
                        == QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()),
                    where + " colour " + format.foreground().color().name().toUtf8());
        }
    }
    actual.replace(QChar::LineSeparator, u'\n');
    QCOMPARE(actual, expected);
}

void TestRtfReader::damagedFile_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(dataPath(QStringLiteral("malformed")))
                                  .entryList({ QStringLiteral("*.rtf") }, QDir::Files);
    QVERIFY(files.size() >= 12);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file.chopped(4)))
            << QStringLiteral("malformed/") + file.chopped(4);
}

void TestRtfReader::damagedFile()
{
    QFETCH(QString, name);
    const QJsonObject expect = readExpectations(dataPath(name + ".expect.json"));
    const QByteArray data = readFile(dataPath(name + ".rtf"));
    QTextDocument document;
    const bool read = readRtf(data, &document);
    const bool plain = expect.value(u"load_as").toString() == u"plain";
    QCOMPARE(read, !plain);
    if (plain)
        document.setPlainText(QString::fromUtf8(data)); // what loading a file does with non-RTF
    const QString text = visibleText(document);
    for (const char *key : { "must_contain", "should_contain" }) {
        for (const QJsonValue wanted : expect.value(QLatin1String(key)).toArray())
            QVERIFY2(text.contains(wanted.toString()), qPrintable(wanted.toString()));
    }
    for (const QJsonValue forbidden : expect.value(u"must_not_contain").toArray())
        QVERIFY2(!text.contains(forbidden.toString()), qPrintable(forbidden.toString()));
}

void TestRtfReader::notRtfLeavesDocumentUnchanged()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    QVERIFY(!readRtf(QByteArrayLiteral("plain words {\\b not rtf}"), &document));
    QCOMPARE(document.toPlainText(), QStringLiteral("kept"));
}

void TestRtfReader::syntax_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("unicode fallback skipped by \\uc")
        << QByteArray("{\\rtf1\\uc2 a\\u8364 xyb}") << QStringLiteral("a€b");
    QTest::newRow("fallback ends at group end")
        << QByteArray("{\\rtf1\\uc3 {a\\u8364 x}bc}") << QStringLiteral("a€bc");
    QTest::newRow("negative \\u") << QByteArray("{\\rtf1 \\u-4064?}") << QStringLiteral("\uF020");
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("ansicpg 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0}")
                                  << QStringLiteral("Пр");
    QTest::newRow("Shift-JIS trail byte is a brace")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset128 G;}}\\f1 \\'96\\'7b}")
        << QStringLiteral("本");
    QTest::newRow("bin skips braces")
        << QByteArray("{\\rtf1 a{\\pict\\bin3 }}{}b}") << QStringLiteral("ab");
    QTest::newRow("bin overflowing ends with its group")
        << QByteArray("{\\rtf1 a{\\pict\\bin99999999999999999999 x{y}b\\par c}")
        << QStringLiteral("ab\nc");
    QTest::newRow("bin longer than the rest ends with its group")
        << QByteArray("{\\rtf1 a{\\pict\\bin50 xy}b\\par c}") << QStringLiteral("ab\nc");
    QTest::newRow("escaped line end is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a\nb");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v secret}b}") << QStringLiteral("ab");
}

void TestRtfReader::syntax()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(readRtf(rtf, &document));
    QCOMPARE(visibleText(document), text);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
