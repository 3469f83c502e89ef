// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the RTF reader and writer tests: the text a reader sees, by the corpus's
// conventions, and the character format at a code-point offset of a paragraph.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace rtftest {

inline QString dataPath(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/rtf/") + name;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QJsonObject readExpectations(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}

// One line per paragraph, line breaks as LF, pictures removed, trailing empty lines dropped.
inline QString blockText(const QTextBlock &block)
{
    QString text = block.text();
    text.remove(QChar::ObjectReplacementCharacter);
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

inline QString visibleText(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines.append(blockText(block));
    QString text = lines.join(u'\n');
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

inline QString trimmedLines(QString text)
{
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// UTF-16 positions in the block of each code point of blockText() (pictures skipped).
inline QVector<int> codePointPositions(const QTextBlock &block)
{
    QVector<int> positions;
    const QString text = block.text();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QChar::ObjectReplacementCharacter)
            continue;
        positions.append(i);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            ++i;
    }
    return positions;
}

inline QTextCharFormat formatAt(const QTextBlock &block, int position)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = fragment.position() - block.position();
        if (position >= start && position < start + fragment.length())
            return fragment.charFormat();
    }
    return QTextCharFormat();
}

inline QString listKind(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    if (!list)
        return QStringLiteral("none");
    const QTextListFormat::Style style = list->format().style();
    const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
    return bullet ? QStringLiteral("bullet") : QStringLiteral("number");
}

inline QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}

inline int imageCount(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                count += it.fragment().length();
        }
    }
    return count;
}

inline QString fontFamily(const QTextCharFormat &format)
{
    return format.fontFamilies().toStringList().value(0);
}

} // namespace rtftest
