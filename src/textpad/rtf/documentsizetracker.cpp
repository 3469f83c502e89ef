// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/documentsizetracker.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {
// What the pad keeps with each paragraph: its own line break, and its counts. Paragraphs removed
// from the document take their counts out of the totals as the document deletes them.
class LineData : public QTextBlockUserData
{
public:
    ~LineData() override
    {
        if (m_totals)
            *m_totals -= m_counts;
    }

    static LineData *of(QTextBlock &block)
    {
        auto *data = dynamic_cast<LineData *>(block.userData());
        if (!data) {
            data = new LineData;
            block.setUserData(data);
        }
        return data;
    }

    void setCounts(const std::shared_ptr<textpad::PlainTextStats> &totals,
        const textpad::PlainTextStats &counts)
    {
        if (m_totals)
            *m_totals -= m_counts;
        m_totals = totals;
        m_counts = counts;
        *m_totals += m_counts;
    }

    std::optional<textpad::LineBreak> ownBreak;

private:
    textpad::PlainTextStats m_counts;
    std::shared_ptr<textpad::PlainTextStats> m_totals;
};
} // namespace

std::optional<textpad::LineBreak> ownLineBreak(const QTextBlock &block)
{
    const auto *data = dynamic_cast<const LineData *>(block.userData());
    return data ? data->ownBreak : std::nullopt;
}

void setOwnLineBreak(QTextBlock block, textpad::LineBreak lineBreak)
{
    LineData::of(block)->ownBreak = lineBreak;
}

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
    // The last line ends with the file's final break, whatever break it had of its own.
    if (const auto lastBreak = ownLineBreak(m_document->lastBlock()))
        all -= textpad::measureOwnBreak(*lastBreak);
    all.breaks += m_document->blockCount() - 1 - all.ownBreaks;
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
    LineData *data = LineData::of(block);
    textpad::PlainTextStats counts = textpad::measurePlainText(block.text());
    if (data->ownBreak)
        counts += textpad::measureOwnBreak(*data->ownBreak);
    data->setCounts(m_blockTotals, counts);
}
