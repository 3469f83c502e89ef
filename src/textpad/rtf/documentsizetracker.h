// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/core/plaintextformat.h"

#include <QObject>
#include <memory>
#include <optional>

class QTextBlock;
class QTextDocument;

// The line break a plain text file had after this line (block) where it differs from the file's
// style, so that saving writes it back.
std::optional<textpad::LineBreak> ownLineBreak(const QTextBlock &block);
void setOwnLineBreak(QTextBlock block, textpad::LineBreak lineBreak);

// Keeps what a plain save of the document would weigh up to date edit by edit, so reading the size
// never walks a large document. Each paragraph carries its own counts; the totals follow every
// change and every removed paragraph. It is a child of the document it measures.
class DocumentSizeTracker : public QObject
{
    Q_OBJECT
public:
    explicit DocumentSizeTracker(QTextDocument *document);

    // Counts of the whole document: the breaks between its lines in the file's style, and the
    // lines' own breaks among the characters.
    textpad::PlainTextStats stats() const;

private:
    void onContentsChange(int position, int charsRemoved, int charsAdded);
    void measure(QTextBlock block);

    QTextDocument *m_document;
    std::shared_ptr<textpad::PlainTextStats> m_blockTotals;
};
