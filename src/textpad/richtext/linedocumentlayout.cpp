// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/linedocumentlayout.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <climits>

namespace {

// Wide enough for any line and within what Qt's fixed-point text positions hold.
constexpr qreal unboundedWidth = INT_MAX / 256;

QRectF belowTop(qreal top)
{
    return QRectF(0, top, qreal(INT_MAX), qreal(INT_MAX));
}

bool plainParagraph(const QTextBlockFormat &format)
{
    const Qt::Alignment across = format.alignment() & Qt::AlignHorizontal_Mask;
    return (across == Qt::AlignLeft || across == Qt::AlignLeading)
        && format.layoutDirection() != Qt::RightToLeft && format.topMargin() == 0
        && format.bottomMargin() == 0 && format.leftMargin() == 0 && format.rightMargin() == 0
        && format.indent() == 0 && format.textIndent() == 0
        && format.lineHeightType() == QTextBlockFormat::SingleHeight
        && !format.hasProperty(QTextFormat::BackgroundBrush)
        && !format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)
        && format.marker() == QTextBlockFormat::MarkerType::NoMarker;
}

bool plainFormat(const QTextFormat &format)
{
    if (format.isBlockFormat())
        return plainParagraph(format.toBlockFormat());
    if (format.isCharFormat())
        return format.objectType() == QTextFormat::NoObject; // pictures and other objects are not
    return format.isFrameFormat() && !format.isTableFormat(); // the document's own frame
}

qreal lineHeightIn(const QFont &font)
{
    QTextLayout layout(QString(), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.height();
}

} // namespace

LineDocumentLayout::LineDocumentLayout(QTextDocument *document)
    : QAbstractTextDocumentLayout(document)
    , m_pageSize(document->pageSize())
{
}

bool LineDocumentLayout::suits(const QTextDocument &document)
{
    const QList<QTextFormat> formats = document.allFormats();
    return document.rootFrame()->childFrames().isEmpty()
        && std::all_of(formats.cbegin(), formats.cend(), plainFormat);
}

// Qt asks about lines in the middle of an edit (a cursor moved before the edit block ends), when
// the document already has its new lines and this layout has not heard of them yet.
void LineDocumentLayout::keepInStep() const
{
    if (m_heights.count() != document()->blockCount())
        const_cast<LineDocumentLayout *>(this)->layOutAgain();
}

QSizeF LineDocumentLayout::documentSize() const
{
    keepInStep();
    const qreal margin = document()->documentMargin();
    return QSizeF(qMax(m_width, 2 * margin), m_heights.total() + 2 * margin);
}

QRectF LineDocumentLayout::frameBoundingRect(QTextFrame *) const
{
    return QRectF(QPointF(0, 0), documentSize());
}

qreal LineDocumentLayout::blockTop(const QTextBlock &block) const
{
    return document()->documentMargin() + m_heights.top(block.blockNumber());
}

QRectF LineDocumentLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (!block.isValid())
        return QRectF();
    keepInStep();
    const QPointF origin(0, blockTop(block));
    // Kept where the block is, which is where screen readers take a character's place from.
    laidOut(block)->setPosition(origin);
    return QRectF(origin, QSizeF(m_width, m_heights.height(block.blockNumber())));
}

QTextLayout *LineDocumentLayout::laidOut(const QTextBlock &block) const
{
    QTextLayout *layout = block.layout();
    if (layout->lineCount() > 0)
        return layout;
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    const qreal margin = document()->documentMargin();
    qreal height = 0;
    qreal width = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(unboundedWidth);
        line.setPosition(QPointF(margin, height));
        height += line.height();
        width = qMax(width, line.naturalTextWidth() + 2 * margin);
    }
    layout->endLayout();
    const int number = block.blockNumber();
    if (height != m_heights.height(number) || width > m_width) {
        m_heights.setHeight(number, height);
        m_width = qMax(m_width, width);
        reportGrowthLater();
    }
    return layout;
}

void LineDocumentLayout::reportGrowthLater() const
{
    if (m_growthReportPending)
        return;
    m_growthReportPending = true;
    auto *self = const_cast<LineDocumentLayout *>(this);
    QMetaObject::invokeMethod(
        self,
        [self] {
            self->m_growthReportPending = false;
            emit self->documentSizeChanged(self->documentSize());
            emit self->update(belowTop(0));
        },
        Qt::QueuedConnection);
}

void LineDocumentLayout::layOutAgain()
{
    QTextDocument *doc = document();
    m_lineHeight = lineHeightIn(doc->defaultFont());
    m_width = 0;
    QTextBlock longest = doc->begin();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        block.clearLayout();
        if (block.length() > longest.length())
            longest = block;
    }
    m_heights.reset(doc->blockCount(), m_lineHeight);
    laidOut(longest); // so the scroll bar offers the document's width from the start
}

void LineDocumentLayout::documentChanged(int from, int /*charsRemoved*/, int charsAdded)
{
    QTextDocument *doc = document();
    const QTextBlock first = doc->findBlock(from);
    const QTextBlock last = doc->findBlock(qMin(from + charsAdded, doc->characterCount() - 1));
    const int changed = last.blockNumber() - first.blockNumber() + 1;
    const int removed = changed + m_heights.count() - doc->blockCount();
    if (from == 0 && charsAdded == doc->characterCount()) {
        // Qt asks for everything again when the page size changes too, which lines that never
        // wrap do not look at.
        const bool pageSizeOnly = doc->pageSize() != m_pageSize && removed == changed;
        m_pageSize = doc->pageSize();
        if (!pageSizeOnly)
            layOutAgain();
    } else if (removed < 0 || first.blockNumber() + removed > m_heights.count()) {
        layOutAgain(); // cannot happen while every change comes here; recovers if one did not
    } else {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            block.clearLayout();
            if (block == last)
                break;
        }
        m_heights.replace(first.blockNumber(), removed, changed, m_lineHeight);
        if (removed == changed) {
            const qreal top = blockTop(first);
            const qreal bottom = blockTop(last) + m_heights.height(last.blockNumber());
            emit update(QRectF(0, top, qreal(INT_MAX), bottom - top));
            return;
        }
    }
    emit documentSizeChanged(documentSize());
    emit update(belowTop(blockTop(first)));
}

void LineDocumentLayout::draw(QPainter *painter, const PaintContext &context)
{
    keepInStep();
    const QRectF clip
        = context.clip.isValid() ? context.clip : QRectF(QPointF(0, 0), documentSize());
    const qreal margin = document()->documentMargin();
    const QPen pen = painter->pen();
    painter->setPen(context.palette.color(QPalette::Text));
    for (QTextBlock block = document()->findBlockByNumber(m_heights.blockAt(clip.top() - margin));
         block.isValid() && blockTop(block) <= clip.bottom(); block = block.next()) {
        blockBoundingRect(block); // lays the block out where it is shown
        block.layout()->draw(painter, QPointF(), selectionsIn(block, context), clip);
        drawCursor(painter, block, context);
    }
    painter->setPen(pen);
}

QList<QTextLayout::FormatRange> LineDocumentLayout::selectionsIn(
    const QTextBlock &block, const PaintContext &context) const
{
    QList<QTextLayout::FormatRange> ranges;
    const int start = block.position();
    for (const Selection &selection : context.selections) {
        const int from = selection.cursor.selectionStart();
        const int to = selection.cursor.selectionEnd();
        if (from < start + block.length() && to > start)
            ranges.append({ from - start, to - from, selection.format });
    }
    return ranges;
}

void LineDocumentLayout::drawCursor(
    QPainter *painter, const QTextBlock &block, const PaintContext &context) const
{
    QTextLayout *layout = block.layout();
    int position = context.cursorPosition;
    if (position < -1 && !layout->preeditAreaText().isEmpty())
        position = layout->preeditAreaPosition() - (position + 2); // the caret inside typed input
    else if (block.contains(position))
        position -= block.position();
    else
        return;
    const QVariant width = property("cursorWidth");
    layout->drawCursor(painter, QPointF(), position, width.isValid() ? width.toInt() : 1);
}

int LineDocumentLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    keepInStep();
    const qreal margin = document()->documentMargin();
    const QTextBlock block = document()->findBlockByNumber(m_heights.blockAt(point.y() - margin));
    const QTextLayout *layout = laidOut(block);
    const QPointF inBlock = point - QPointF(0, blockTop(block));
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        if (inBlock.y() >= line.y() + line.height() && i + 1 < layout->lineCount())
            continue;
        if (accuracy == Qt::ExactHit && !line.naturalTextRect().contains(inBlock))
            return -1;
        return block.position() + line.xToCursor(inBlock.x());
    }
    return -1;
}
