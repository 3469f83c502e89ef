// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/documentsizetracker.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {
// Counts of one paragraph's text. Paragraphs removed from the document take their counts out of the
// totals as the document deletes them.
class BlockCounts : public QTextBlockUserData
{
public:
    explicit BlockCounts(std::shared_ptr<textpad::PlainTextStats> totals)
        : m_totals(std::move(totals))
    {
    }
    ~BlockCounts() override { *m_totals -= counts; }

    void set(const textpad::PlainTextStats &newCounts)
    {
        *m_totals -= counts;
        counts = newCounts;
        *m_totals += counts;
    }

    textpad::PlainTextStats counts;

private:
    std::shared_ptr<textpad::PlainTextStats> m_totals;
};
} // namespace

DocumentSizeTracker::DocumentSizeTracker(QTextDocument *document)
    : QObject(document)
    , m_document(document)
    , m_blockTotals(std::make_shared<textpad::PlainTextStats>())
{
    connect(document, &QTextDocument::contentsChange, this, &DocumentSizeTracker::onContentsChange);
    onContentsChange(0, 0, document->characterCount());
}

textpad::PlainTextStats DocumentSizeTracker::stats() const
{
    textpad::PlainTextStats all = *m_blockTotals;
    all.breaks += m_document->blockCount() - 1;
    return all;
}

void DocumentSizeTracker::onContentsChange(int position, int, int charsAdded)
{
    const QTextBlock last = m_document->findBlock(position + charsAdded);
    for (QTextBlock block = m_document->findBlock(position); block.isValid();
         block = block.next()) {
        measure(block);
        if (block == last)
            break;
    }
}

void DocumentSizeTracker::measure(QTextBlock block)
{
    auto *counts = dynamic_cast<BlockCounts *>(block.userData());
    if (!counts) {
        counts = new BlockCounts(m_blockTotals);
        block.setUserData(counts);
    }
    counts->set(textpad::measurePlainText(block.text()));
}
