// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfreader.h"
#include "textpad/rtf/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

// The reader against files from real writers and hand-written corner cases (the expected text and
// facts lie beside each file), and the writer through round trips to the reader.

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/rtf/") + name;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString withoutTrailingBreaks(QString text)
{
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// One line per paragraph, line breaks as LF, pictures removed, trailing empty lines dropped.
QString visibleText(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines.append(block.text().remove(QChar::ObjectReplacementCharacter));
    return withoutTrailingBreaks(lines.join(u'\n').replace(QChar::LineSeparator, u'\n'));
}

// The block's characters (surrogate pairs kept together, pictures left out) with their formats.
QList<QPair<QString, QTextCharFormat>> characters(const QTextBlock &block)
{
    QList<QPair<QString, QTextCharFormat>> characters;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QString text = it.fragment().text();
        for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1) {
            if (text.at(i) != QChar::ObjectReplacementCharacter)
                characters.append({ text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1),
                    it.fragment().charFormat() });
        }
    }
    return characters;
}

QString listKind(const QTextBlock &block)
{
    if (!block.textList())
        return QStringLiteral("none");
    const QTextListFormat::Style style = block.textList()->format().style();
    const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
    return bullet ? QStringLiteral("bullet") : QStringLiteral("number");
}

QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    return alignment & Qt::AlignRight ? QStringLiteral("right") : QStringLiteral("left");
}

int imageCount(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? it.fragment().length() : 0;
    }
    return count;
}

QJsonValue colour(const QBrush &brush)
{
    const QColor c = brush.color();
    return brush.style() == Qt::NoBrush ? QJsonValue()
                                        : QJsonArray { c.red(), c.green(), c.blue() };
}

// The character properties the reader supports, named as the expectation files name them.
QJsonObject properties(const QTextCharFormat &f)
{
    return { { "bold", f.fontWeight() >= QFont::DemiBold }, { "italic", f.fontItalic() },
        { "underline", f.fontUnderline() }, { "strike", f.fontStrikeOut() },
        { "font", f.fontFamilies().toStringList().value(0) }, { "size_pt", f.fontPointSize() },
        { "link", f.anchorHref() }, { "color", colour(f.foreground()) },
        { "background", colour(f.background()) } };
}

// The paragraph properties: a list's kind (null when none), and its details only where there is
// one (an undefined value leaves the key out).
QJsonObject properties(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    const QTextList *list = block.textList();
    const QJsonValue none(QJsonValue::Undefined);
    return { { "align", alignmentName(format.alignment()) },
        { "list", list ? QJsonValue(listKind(block)) : QJsonValue() },
        { "level", list ? QJsonValue(list->format().indent()) : none },
        { "style", list ? QJsonValue(list->format().style()) : none },
        { "item", list ? QJsonValue(list->itemNumber(block)) : none },
        { "margins", QJsonArray { format.leftMargin(), format.topMargin() } } };
}

QString json(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// Each property the expectation names that the object has, has the expected value.
void expectProperties(const QJsonObject &actual, const QJsonObject &expected, const QString &where)
{
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QVERIFY2(!actual.contains(it.key()) || actual[it.key()] == it.value(),
            qPrintable(where + u' ' + it.key() + QStringLiteral(" in ") + json(actual)));
    }
}

// Every paragraph's and fragment's properties, so that two documents can be compared.
QStringList describe(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines.append(json(properties(block)));
        for (auto it = block.begin(); !it.atEnd(); ++it)
            lines.append(it.fragment().text() + json(properties(it.fragment().charFormat())));
    }
    return lines;
}

// The document's links in order, as {text, url}; the fragments of one link are joined.
QJsonArray links(const QTextDocument &document)
{
    QJsonArray links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString previous;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            const QString text = it.fragment().text().replace(QChar::LineSeparator, u'\n');
            if (!href.isEmpty() && href == previous) {
                QJsonObject last = links.last().toObject();
                last[u"text"] = last[u"text"].toString() + text;
                links.last() = last;
            } else if (!href.isEmpty()) {
                links.append(QJsonObject {
                    { QStringLiteral("text"), text }, { QStringLiteral("url"), href } });
            }
            previous = href;
        }
    }
    return links;
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void fixture_data();
    void fixture();
    void writerEncodesCharacters();
    void listsReadableByOldAndNewReaders_data();
    void listsReadableByOldAndNewReaders();
    void formatsSurvive();
    void picturesWrittenAsPng();

private:
    static void checkFacts(const QTextDocument &document, const QJsonObject &expect);
    static void checkRun(const QTextDocument &document, const QJsonObject &run);
};

// Files from real writers; corner cases written by hand, which only the reader needs to get right;
// damaged files, where the reader keeps what it can (their text files show what a reader might
// make of them, not all of which it must).
void TestRtf::fixture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("roundTrip");
    QTest::addColumn<bool>("exactText");
    QVERIFY(QDir(dataPath(QString())).entryList({ QStringLiteral("*.rtf") }).size() >= 48);
    for (const QString &folder :
        { QString(), QStringLiteral("syntax/"), QStringLiteral("malformed/") }) {
        for (const QString &file : QDir(dataPath(folder)).entryList({ QStringLiteral("*.rtf") }))
            QTest::newRow(qPrintable(folder + file.chopped(4)))
                << folder + file.chopped(4) << folder.isEmpty() << !folder.startsWith(u'm');
    }
}

// The reader gives the expected text and facts; written and read back, the document is the same,
// and writing it again gives the same file, so nothing drifts on repeated saves.
void TestRtf::fixture()
{
    QFETCH(QString, name);
    QFETCH(bool, roundTrip);
    QFETCH(bool, exactText);
    const QByteArray data = readFile(dataPath(name + ".rtf"));
    const QJsonObject expect
        = QJsonDocument::fromJson(readFile(dataPath(name + ".expect.json"))).object();
    const bool plain = expect[u"load_as"].toString() == u"plain"; // loading then shows it as text
    QTextDocument document(QStringLiteral("kept"));
    QCOMPARE(readRtf(data, &document), !plain);
    if (plain) {
        QCOMPARE(document.toPlainText(), QStringLiteral("kept")); // a refused file changes nothing
        document.setPlainText(QString::fromUtf8(data));
    }
    if (exactText) {
        QCOMPARE(visibleText(document),
            withoutTrailingBreaks(QString::fromUtf8(readFile(dataPath(name + ".txt")))));
    }
    checkFacts(document, expect);
    if (!roundTrip)
        return;
    const QByteArray written = writeRtf(&document);
    QTextDocument copy;
    QVERIFY(readRtf(written, &copy));
    QCOMPARE(describe(copy), describe(document));
    QCOMPARE(writeRtf(&copy), written);
}

void TestRtf::checkFacts(const QTextDocument &document, const QJsonObject &expect)
{
    for (const QJsonValue fact : expect[u"paragraph_facts"].toArray()) {
        const QTextBlock block = document.findBlockByNumber(fact[u"para"].toInt());
        QVERIFY(block.isValid());
        expectProperties(properties(block), fact.toObject(),
            QStringLiteral("paragraph %1").arg(block.blockNumber()));
    }
    for (const QJsonValue run : expect[u"runs"].toArray())
        checkRun(document, run.toObject());
    const QString text = visibleText(document);
    for (const QJsonValue wanted :
        expect[u"must_contain"].toArray() + expect[u"should_contain"].toArray())
        QVERIFY2(text.contains(wanted.toString()), qPrintable(wanted.toString()));
    for (const QJsonValue forbidden : expect[u"must_not_contain"].toArray())
        QVERIFY2(!text.contains(forbidden.toString()), qPrintable(forbidden.toString()));
    if (expect.contains(u"images"))
        QCOMPARE(imageCount(document), expect[u"images"].toInt());
    if (expect.contains(u"links"))
        QCOMPARE(QJsonDocument(links(document)), QJsonDocument(expect[u"links"].toArray()));
    for (const QJsonValue table : expect[u"tables"].toArray()) {
        QStringList cells;
        for (const QJsonValue row : table[u"rows"].toArray()) {
            for (const QJsonValue cell : row.toArray())
                cells.append(cell.toString());
        }
        // The cells, one paragraph each, in reading order.
        QVERIFY2((u'\n' + text + u'\n').contains(u'\n' + cells.join(u'\n') + u'\n'),
            qPrintable(cells.join(u'|')));
    }
}

void TestRtf::checkRun(const QTextDocument &document, const QJsonObject &run)
{
    const int para = run[u"para"].toInt();
    const int offset = run[u"offset"].toInt();
    const QString expected = run[u"text"].toString();
    const auto characters = ::characters(document.findBlockByNumber(para));
    const int length = int(expected.toUcs4().size());
    QVERIFY2(offset + length <= characters.size(), qPrintable(expected));
    QString actual;
    for (int i = offset; i < offset + length; ++i) {
        actual += characters.at(i).first;
        expectProperties(properties(characters.at(i).second), run,
            QStringLiteral("'%1' at %2:%3").arg(expected).arg(para).arg(i));
    }
    QCOMPARE(actual.replace(QChar::LineSeparator, u'\n'), expected);
}

// Each text is written with the expected escapes, under a Windows-1252 header, and reads back.
void TestRtf::writerEncodesCharacters()
{
    const QJsonArray cases
        = QJsonDocument::fromJson(readFile(dataPath(QStringLiteral("writer-encoding.json"))))
              .array();
    QVERIFY(!cases.isEmpty());
    for (const QJsonValue c : cases) {
        QTextDocument document;
        document.setPlainText(c[u"text"].toString());
        const QByteArray rtf = writeRtf(&document);
        QVERIFY2(rtf.contains(c[u"rtf"].toString().toLatin1()), rtf.constData());
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QTextDocument back;
        QVERIFY(readRtf(rtf, &back));
        QCOMPARE(back.toRawText(), document.toRawText());
    }
}

void TestRtf::listsReadableByOldAndNewReaders_data()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("list-table reader") << QStringLiteral(R"(\{\\\*\\pn\\.*?\}\})");
    QTest::newRow("numbering-word reader") << QStringLiteral(
        R"(\{\\\*\\listtable.*?\{\\\*\\listoverridetable.*?\}\}\r\n|\\ls\d+|\\ilvl\d+)");
}

// Lists are written both ways; either reader alone, the other way removed, gets them all back.
void TestRtf::listsReadableByOldAndNewReaders()
{
    QFETCH(QString, removed);
    QTextDocument original;
    QVERIFY(readRtf(readFile(dataPath(QStringLiteral("wordpad-lists.rtf"))), &original));
    QString rtf = QString::fromLatin1(writeRtf(&original));
    QVERIFY(rtf.contains(u"{\\pntext \\u8226\\'95\\tab}") && rtf.contains(u"{\\pntext 2.\\tab}"));
    QVERIFY(rtf.contains(u"\\listtable"));
    rtf.remove(QRegularExpression(removed, QRegularExpression::DotMatchesEverythingOption));
    QTextDocument reduced;
    QVERIFY(readRtf(rtf.toLatin1(), &reduced));
    QCOMPARE(describe(reduced), describe(original));
}

// Formats no fixture holds: a background, a link address with RTF's special characters and a
// Roman-numbered list.
void TestRtf::formatsSurvive()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontFamilies({ QStringLiteral("Courier New") });
    format.setFontPointSize(10.5);
    format.setBackground(QColor(255, 255, 0));
    format.setAnchor(true);
    format.setAnchorHref(QStringLiteral("https://example.com/{a}\\b?c=d&e"));
    cursor.insertText(QStringLiteral("link"), format);
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListUpperRoman);
    cursor.insertBlock();
    cursor.createList(numbered);
    cursor.insertText(QStringLiteral("first"));

    QTextDocument copy;
    QVERIFY(readRtf(writeRtf(&document), &copy));
    QCOMPARE(describe(copy), describe(document));
}

void TestRtf::picturesWrittenAsPng()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("mem:red")), image);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("before "));
    cursor.insertImage(QStringLiteral("mem:red"));

    const QByteArray rtf = writeRtf(&document);
    QVERIFY(rtf.contains("{\\pict\\pngblip") && rtf.contains("89504e470d0a1a0a")); // PNG signature
    QTextDocument copy;
    QVERIFY(readRtf(rtf, &copy));
    QCOMPARE(imageCount(copy), 1);
    QTextCursor picture(&copy);
    picture.setPosition(8); // after the picture
    const QString name = picture.charFormat().toImageFormat().name();
    const QImage loaded = copy.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    QCOMPARE(loaded.size(), QSize(3, 2));
    QCOMPARE(QColor(loaded.pixel(1, 1)), QColor(Qt::red));
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
