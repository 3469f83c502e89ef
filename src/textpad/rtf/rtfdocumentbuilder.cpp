// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfdocumentbuilder.h"

#include <algorithm>

namespace textpad::richtext {

namespace {

// \u words come one UTF-16 unit at a time; a surrogate without its partner becomes U+FFFD.
void repairSurrogates(QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            text[i] = QChar::ReplacementCharacter;
    }
}

} // namespace

void RtfDocumentBuilder::appendText(const QString &text, const CharFormat &format)
{
    if (text.isEmpty())
        return;
    if (!m_current.runs.isEmpty()) {
        Run &last = m_current.runs.last();
        if (last.picture < 0 && last.format == format) {
            last.text.append(text);
            return;
        }
    }
    m_current.runs.append(Run { text, format, -1 });
}

void RtfDocumentBuilder::appendPicture(Picture picture, const CharFormat &format)
{
    m_document.pictures.append(std::move(picture));
    m_current.runs.append(Run { QString(), format, int(m_document.pictures.size()) - 1 });
}

void RtfDocumentBuilder::endParagraph(const ParagraphFormat &format, bool inTable)
{
    m_current.format = format;
    if (inTable) {
        m_cell.append(std::move(m_current));
    } else {
        commitCell();
        m_document.paragraphs.append(std::move(m_current));
    }
    m_current = Paragraph();
}

void RtfDocumentBuilder::endCell(const ParagraphFormat &format)
{
    m_current.format = format;
    m_cell.append(std::move(m_current));
    m_current = Paragraph();
    const bool hasText = std::any_of(
        m_cell.cbegin(), m_cell.cend(), [](const Paragraph &p) { return !p.isEmpty(); });
    if (hasText) {
        m_cell.erase(std::remove_if(m_cell.begin(), m_cell.end(),
                         [](const Paragraph &p) { return p.isEmpty(); }),
            m_cell.end());
    } else {
        m_cell.resize(1);
    }
    commitCell();
}

void RtfDocumentBuilder::commitCell()
{
    for (Paragraph &paragraph : m_cell)
        m_document.paragraphs.append(std::move(paragraph));
    m_cell.clear();
}

Document RtfDocumentBuilder::takeDocument(const ParagraphFormat &lastFormat)
{
    commitCell();
    if (!m_current.isEmpty()) {
        m_current.format = lastFormat;
        m_document.paragraphs.append(std::move(m_current));
    }
    m_current = Paragraph();
    for (Paragraph &paragraph : m_document.paragraphs) {
        for (Run &run : paragraph.runs)
            repairSurrogates(run.text);
    }
    return std::move(m_document);
}

} // namespace textpad::richtext
