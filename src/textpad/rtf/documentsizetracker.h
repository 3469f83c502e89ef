// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/core/plaintextformat.h"

#include <QObject>
#include <memory>

class QTextBlock;
class QTextDocument;

// Keeps what a plain save of the document would weigh up to date edit by edit, so reading the size
// never walks a large document. Each paragraph carries its own counts; the totals follow every
// change and every removed paragraph. It is a child of the document it measures.
class DocumentSizeTracker : public QObject
{
    Q_OBJECT
public:
    explicit DocumentSizeTracker(QTextDocument *document);

    // Counts of the whole document, its paragraph separators included.
    textpad::PlainTextStats stats() const;

private:
    void onContentsChange(int position, int charsRemoved, int charsAdded);
    void measure(QTextBlock block);

    QTextDocument *m_document;
    std::shared_ptr<textpad::PlainTextStats> m_blockTotals;
};
