// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfmodel.h"

namespace textpad::richtext {

// Collects text and pictures into paragraphs. Table cells come out one paragraph per cell, in
// reading order; an empty paragraph that only pads a cell with text is dropped.
class RtfDocumentBuilder
{
public:
    void appendText(const QString &text, const CharFormat &format);
    void appendPicture(Picture picture, const CharFormat &format);
    void endParagraph(const ParagraphFormat &format, bool inTable);
    void endCell(const ParagraphFormat &format);

    Document takeDocument(const ParagraphFormat &lastFormat);

private:
    void commitCell();

    Document m_document;
    Paragraph m_current;
    QVector<Paragraph> m_cell;
};

} // namespace textpad::richtext
