// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfmodel.h"

#include <QHash>
#include <QStringList>

namespace textpad::richtext {

// Writes the document model as RTF. Lists are written twice, as \ls list-table references for
// current readers and as \pn/\pntext for old ones, the way word processors do.
class RtfDocumentWriter
{
public:
    explicit RtfDocumentWriter(const Document &document);

    QByteArray write();

private:
    void collectTables();
    void writeHeader();
    void writeListTables();
    void writeParagraph(const Paragraph &paragraph);
    void writeParagraphFormat(const ParagraphFormat &format);
    void writeListMarker(const ParagraphFormat &format);
    void writeRuns(const QVector<Run> &runs);
    void writeRun(const Run &run);
    void writeCharFormat(const CharFormat &format);
    void writePicture(const Picture &picture);
    void appendWord(const char *word, int value);
    void appendLength(const char *word, int twips);

    void addFont(const QString &font);
    void addColor(const QColor &color);
    int fontIndex(const QString &font) const { return m_fontIndexes.value(font); }
    int colorIndex(const QColor &color) const { return m_colorIndexes.value(color.rgba()); }

    const Document &m_document;
    QByteArray m_out;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndexes;
    QVector<QColor> m_colors;
    QHash<QRgb, int> m_colorIndexes;
    QVector<const ParagraphFormat *> m_lists; // one list-table entry per model list
    QHash<int, int> m_listNumbers; // model list id -> \ls number
    QHash<QPair<int, int>, int> m_itemCounters; // numbering of the items of each list level
};

} // namespace textpad::richtext
