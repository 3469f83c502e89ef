// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/core/plaintextformat.h"

#include <QString>
#include <memory>

class QTextDocument;

namespace textpad {

// The pad's files: a file starting with "{\rtf" is rich text, any other plain text, saved back in
// the form it was read in. Failures throw FileError with the system's reason.
struct LoadedDocument
{
    std::unique_ptr<QTextDocument> document;
    PlainTextFormat plainFormat; // as read for plain text; a new document's for rich text
    bool richText = false;
};

// Reads into a new document, so a file that cannot be read leaves the one on screen alone. The
// new document starts with the default font and text options of `like`, set before it fills.
LoadedDocument readDocumentFile(const QString &path, const QTextDocument &like);

void writeRichTextFile(const QString &path, const QTextDocument &document);

// The bytes of a plain save: each line with its own break, or else the file's style.
EncodedPlainText encodePlainDocument(const QTextDocument &document, const PlainTextFormat &format);

// The text alone; returns the encoding written (Windows-1252 falls back to UTF-8).
PlainEncoding writePlainTextFile(
    const QString &path, const QTextDocument &document, const PlainTextFormat &format);

} // namespace textpad
