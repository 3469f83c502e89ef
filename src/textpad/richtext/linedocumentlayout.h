// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/core/blockheightindex.h"

#include <QAbstractTextDocumentLayout>

class QTextLayout;

// Lays out a document whose paragraphs are lines of text, without wrapping, and only the lines
// that are shown or asked about. Qt's own document layout places every paragraph below an edit
// again, so each keystroke in a document of a hundred thousand lines costs tens of milliseconds
// and going to the end of a large one lays all of it out; here an edit costs the lines it
// touches. Documents with lists, tables, pictures or paragraph formatting need Qt's layout.
class LineDocumentLayout : public QAbstractTextDocumentLayout
{
    Q_OBJECT
public:
    explicit LineDocumentLayout(QTextDocument *document);

    // Whether the document holds nothing that this layout would not show.
    static bool suits(const QTextDocument &document);

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    // The block's layout, laid out now if it was not; keeps the heights and the width up to date.
    QTextLayout *laidOut(const QTextBlock &block) const;
    void layOutAgain();
    void keepInStep() const;
    qreal blockTop(const QTextBlock &block) const;
    QList<QTextLayout::FormatRange> selectionsIn(
        const QTextBlock &block, const PaintContext &context) const;
    void drawCursor(QPainter *painter, const QTextBlock &block, const PaintContext &context) const;
    // Laying a line out can change its height or the widest line while Qt paints or asks where
    // something is; the view hears of it once that is over.
    void reportGrowthLater() const;

    mutable textpad::BlockHeightIndex m_heights;
    mutable qreal m_width = 0; // the widest line laid out so far, with the margins
    mutable bool m_growthReportPending = false;
    qreal m_lineHeight = 0; // of a line in the default font: lines not laid out are taken as this
    QSizeF m_pageSize;
};
