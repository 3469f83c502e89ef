// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfdocumentwriter.h"

#include "textpad/rtf/liststyles.h"
#include "textpad/rtf/rtftextencoder.h"

namespace textpad::richtext {

namespace {

constexpr int listIndentStep = 360; // twips per list level; the marker hangs in the first step

} // namespace

RtfDocumentWriter::RtfDocumentWriter(const Document &document)
    : m_document(document)
{
}

QByteArray RtfDocumentWriter::write()
{
    collectTables();
    writeHeader();
    for (const Paragraph &paragraph : m_document.paragraphs)
        writeParagraph(paragraph);
    m_out.append("}\r\n");
    return std::move(m_out);
}

void RtfDocumentWriter::collectTables()
{
    m_colors.append(QColor()); // entry 0: the automatic colour
    for (const Paragraph &paragraph : m_document.paragraphs) {
        const ParagraphFormat &format = paragraph.format;
        if (format.list != ListKind::None && !m_listNumbers.contains(format.listId)) {
            m_lists.append(&format);
            m_listNumbers.insert(format.listId, int(m_lists.size()));
        }
        for (const Run &run : paragraph.runs) {
            addFont(run.format.font);
            addColor(run.format.foreground);
            addColor(run.format.background);
        }
    }
    if (m_fonts.isEmpty())
        addFont(QStringLiteral("Times New Roman"));
}

void RtfDocumentWriter::addFont(const QString &font)
{
    if (font.isEmpty() || m_fontIndexes.contains(font))
        return;
    m_fontIndexes.insert(font, int(m_fonts.size()));
    m_fonts.append(font);
}

void RtfDocumentWriter::addColor(const QColor &color)
{
    if (!color.isValid() || m_colorIndexes.contains(color.rgba()))
        return;
    m_colorIndexes.insert(color.rgba(), int(m_colors.size()));
    m_colors.append(color);
}

void RtfDocumentWriter::writeHeader()
{
    m_out.reserve(4096);
    m_out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl");
    for (int i = 0; i < m_fonts.size(); ++i) {
        m_out.append("{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ");
        appendRtfText(m_out, m_fonts.at(i));
        m_out.append(";}");
    }
    m_out.append("}\r\n{\\colortbl;");
    for (int i = 1; i < m_colors.size(); ++i) {
        const QColor &color = m_colors.at(i);
        m_out.append("\\red" + QByteArray::number(color.red()) + "\\green"
            + QByteArray::number(color.green()) + "\\blue" + QByteArray::number(color.blue())
            + ';');
    }
    m_out.append("}\r\n");
    writeListTables();
    m_out.append("\\viewkind4\r\n");
}

void RtfDocumentWriter::writeListTables()
{
    if (m_lists.isEmpty())
        return;
    m_out.append("{\\*\\listtable");
    for (int i = 0; i < m_lists.size(); ++i) {
        const ParagraphFormat &format = *m_lists.at(i);
        m_out.append("\r\n{\\list\\listtemplateid" + QByteArray::number(i + 1) + "\\listhybrid");
        for (int level = 1; level <= 9; ++level) {
            m_out.append("{\\listlevel\\levelnfc"
                + QByteArray::number(listStyle(format.list, format.numberStyle).levelNfc)
                + "\\leveljc0\\levelstartat1\\levelfollow0");
            if (format.list == ListKind::Bullet) {
                m_out.append("{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}");
            } else {
                const QByteArray number
                    = "\\'" + QByteArray::number(level - 1, 16).rightJustified(2, '0');
                m_out.append("{\\leveltext\\'02" + number + ".;}{\\levelnumbers\\'01;}");
            }
            m_out.append("\\fi-" + QByteArray::number(listIndentStep) + "\\li"
                + QByteArray::number(listIndentStep * 2 * level) + '}');
        }
        m_out.append("\\listid" + QByteArray::number(i + 1) + '}');
    }
    m_out.append("}\r\n{\\*\\listoverridetable");
    for (int i = 1; i <= m_lists.size(); ++i) {
        m_out.append("{\\listoverride\\listid" + QByteArray::number(i) + "\\listoverridecount0\\ls"
            + QByteArray::number(i) + '}');
    }
    m_out.append("}\r\n");
}

void RtfDocumentWriter::writeParagraph(const Paragraph &paragraph)
{
    m_out.append("\\pard\\plain");
    writeParagraphFormat(paragraph.format);
    m_out.append(' ');
    writeRuns(paragraph.runs);
    m_out.append("\\par\r\n");
}

void RtfDocumentWriter::writeParagraphFormat(const ParagraphFormat &format)
{
    static constexpr const char *alignments[] = { "\\ql", "\\qc", "\\qr", "\\qj" };
    m_out.append(alignments[int(format.alignment)]);
    if (format.list != ListKind::None) {
        writeListMarker(format);
    } else {
        appendLength("\\li", format.leftIndent);
        appendLength("\\fi", format.firstIndent);
    }
    appendLength("\\ri", format.rightIndent);
    appendLength("\\sb", format.spaceBefore);
    appendLength("\\sa", format.spaceAfter);
}

void RtfDocumentWriter::writeListMarker(const ParagraphFormat &format)
{
    const bool bullet = format.list == ListKind::Bullet;
    int &counter = m_itemCounters[qMakePair(format.listId, format.listLevel)];
    ++counter;
    const QByteArray marker
        = bullet ? QByteArray("\\u8226\\'95") : listNumberText(counter, format.numberStyle);
    m_out.append("{\\pntext " + marker + "\\tab}{\\*\\pn");
    m_out.append(bullet
            ? QByteArray("\\pnlvlblt")
            : QByteArray("\\pnlvlbody") + listStyle(ListKind::Number, format.numberStyle).pnText);
    m_out.append("\\pnindent0");
    if (!bullet && counter == 1)
        m_out.append("\\pnstart1");
    m_out.append(bullet ? "{\\pntxtb\\u8226\\'95}}" : "{\\pntxta .}}");
    appendWord("\\ls", m_listNumbers.value(format.listId));
    appendWord("\\ilvl", format.listLevel - 1);
    appendLength("\\fi", -listIndentStep);
    appendLength("\\li", listIndentStep * 2 * format.listLevel);
}

void RtfDocumentWriter::writeRuns(const QVector<Run> &runs)
{
    for (qsizetype i = 0; i < runs.size();) {
        const QString &link = runs.at(i).format.link;
        if (link.isEmpty()) {
            writeRun(runs.at(i++));
            continue;
        }
        QString target = link;
        target.replace(u'"', QStringLiteral("%22"));
        m_out.append("{\\field{\\*\\fldinst HYPERLINK \"");
        appendRtfText(m_out, target);
        m_out.append("\"}{\\fldrslt ");
        for (; i < runs.size() && runs.at(i).format.link == link; ++i)
            writeRun(runs.at(i));
        m_out.append("}}");
    }
}

void RtfDocumentWriter::writeRun(const Run &run)
{
    m_out.append('{');
    writeCharFormat(run.format);
    m_out.append(' ');
    if (run.picture >= 0 && run.picture < m_document.pictures.size())
        writePicture(m_document.pictures.at(run.picture));
    else
        appendRtfText(m_out, run.text);
    m_out.append('}');
}

void RtfDocumentWriter::writeCharFormat(const CharFormat &format)
{
    m_out.append("\\f" + QByteArray::number(fontIndex(format.font)));
    if (format.halfPoints > 0)
        m_out.append("\\fs" + QByteArray::number(format.halfPoints));
    if (format.bold)
        m_out.append("\\b");
    if (format.italic)
        m_out.append("\\i");
    if (format.underline)
        m_out.append("\\ul");
    if (format.strike)
        m_out.append("\\strike");
    if (format.foreground.isValid())
        appendWord("\\cf", colorIndex(format.foreground));
    if (format.background.isValid()) {
        const int index = colorIndex(format.background);
        appendWord("\\highlight", index);
        appendWord("\\cb", index);
    }
}

void RtfDocumentWriter::writePicture(const Picture &picture)
{
    m_out.append("{\\pict\\pngblip");
    appendLength("\\picwgoal", picture.widthTwips);
    appendLength("\\pichgoal", picture.heightTwips);
    m_out.append("\r\n");
    const QByteArray hex = picture.data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        m_out.append(hex.mid(i, 128));
        m_out.append("\r\n");
    }
    m_out.append('}');
}

void RtfDocumentWriter::appendWord(const char *word, int value)
{
    m_out.append(word);
    m_out.append(QByteArray::number(value));
}

void RtfDocumentWriter::appendLength(const char *word, int twips)
{
    if (twips != 0) // zero is every reader's default
        appendWord(word, twips);
}

} // namespace textpad::richtext
