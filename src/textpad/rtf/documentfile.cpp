// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/documentfile.h"

#include "common/core/datafile.h"
#include "textpad/core/documentrules.h"
#include "textpad/rtf/documentsizetracker.h"
#include "textpad/rtf/fileerror.h"
#include "textpad/rtf/rtfreader.h"
#include "textpad/rtf/rtfwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

namespace textpad {

namespace {

QByteArray readBytes(const QString &path)
{
    if (pathKind(QFileInfo(path)) != PathKind::File) {
        throw FileError(
            path, QCoreApplication::translate("DocumentFile", "It is not a file on disk."));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, file.errorString());
    return bytes;
}

void replaceFile(const QString &path, const QByteArray &bytes)
{
    QString reason;
    if (!DataFile::replace(path, bytes, &reason))
        throw FileError(path, reason);
}

} // namespace

EncodedPlainText encodePlainDocument(const QTextDocument &document, const PlainTextFormat &format)
{
    const QStringView style = lineBreakText(format.lineBreak);
    QString text;
    text.reserve(document.characterCount() + document.blockCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // Line breaks typed into a line (Shift+Enter) are breaks in the file's style.
        text += toLineBreaks(block.text(), style);
        if (block.next().isValid())
            text += ownLineBreak(block).has_value() ? lineBreakText(*ownLineBreak(block)) : style;
    }
    if (format.finalBreak)
        text += lineBreakText(format.endOfFileBreak());
    return encodePlainText(text, format.encoding);
}

LoadedDocument readDocumentFile(const QString &path, const QTextDocument &like)
{
    const QByteArray bytes = readBytes(path);
    LoadedDocument loaded { std::make_unique<QTextDocument>(), PlainTextFormat() };
    loaded.document->setDefaultFont(like.defaultFont());
    loaded.document->setDefaultTextOption(like.defaultTextOption());
    if (bytes.startsWith("{\\rtf")) {
        if (!readRtf(bytes, loaded.document.get())) {
            throw FileError(path,
                QCoreApplication::translate("DocumentFile", "The file is not readable rich text."));
        }
        loaded.richText = true;
        return loaded;
    }
    const PlainTextFile plain = decodePlainText(bytes);
    loaded.document->setPlainText(plain.text);
    for (const OwnLineBreak &own : plain.ownBreaks)
        setOwnLineBreak(loaded.document->findBlockByNumber(int(own.line)), own.lineBreak);
    loaded.plainFormat = plain.format;
    return loaded;
}

void writeRichTextFile(const QString &path, const QTextDocument &document)
{
    replaceFile(path, writeRtf(&document));
}

PlainEncoding writePlainTextFile(
    const QString &path, const QTextDocument &document, const PlainTextFormat &format)
{
    const EncodedPlainText encoded = encodePlainDocument(document, format);
    replaceFile(path, encoded.bytes);
    return encoded.encoding;
}

} // namespace textpad
