// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/textdocumentimport.h"

#include "textpad/rtf/liststyles.h"

#include <QHash>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace textpad::richtext {

namespace {

QTextCharFormat toCharFormat(const CharFormat &format)
{
    QTextCharFormat result;
    if (!format.font.isEmpty()) {
        result.setFontFamilies(QStringList { format.font });
        // The document files formats by a hash that ignores list-valued properties; the same
        // family as a plain string keeps files with thousands of fonts from loading in squared
        // time.
        result.setProperty(QTextFormat::FontFamily, format.font);
    }
    if (format.halfPoints > 0)
        result.setFontPointSize(format.halfPoints / 2.0);
    if (format.bold)
        result.setFontWeight(QFont::Bold);
    if (format.italic)
        result.setFontItalic(true);
    if (format.underline)
        result.setFontUnderline(true);
    if (format.strike)
        result.setFontStrikeOut(true);
    if (format.foreground.isValid())
        result.setForeground(format.foreground);
    if (format.background.isValid())
        result.setBackground(format.background);
    if (!format.link.isEmpty()) {
        result.setAnchor(true);
        result.setAnchorHref(format.link);
    }
    return result;
}

QTextBlockFormat toBlockFormat(const ParagraphFormat &format)
{
    QTextBlockFormat result;
    switch (format.alignment) {
    case Alignment::Left:
        break;
    case Alignment::Center:
        result.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Right:
        result.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Justify:
        result.setAlignment(Qt::AlignJustify);
        break;
    }
    // A list supplies its own indent; the paragraph's indent words only place the marker.
    if (format.list == ListKind::None) {
        if (format.leftIndent != 0)
            result.setLeftMargin(format.leftIndent / twipsPerPixel);
        if (format.firstIndent != 0)
            result.setTextIndent(format.firstIndent / twipsPerPixel);
    }
    if (format.rightIndent != 0)
        result.setRightMargin(format.rightIndent / twipsPerPixel);
    if (format.spaceBefore != 0)
        result.setTopMargin(format.spaceBefore / twipsPerPixel);
    if (format.spaceAfter != 0)
        result.setBottomMargin(format.spaceAfter / twipsPerPixel);
    return result;
}

QTextListFormat toListFormat(const ParagraphFormat &format)
{
    QTextListFormat result;
    result.setIndent(format.listLevel);
    result.setStyle(listStyle(format.list, format.numberStyle).documentStyle);
    return result;
}

class DocumentImporter
{
public:
    DocumentImporter(const Document &model, QTextDocument *document)
        : m_model(model)
        , m_document(document)
        , m_cursor(document)
    {
    }

    void run()
    {
        // Inside an edit block the cursor does not lay out each line as it is inserted.
        m_cursor.beginEditBlock();
        bool first = true;
        for (const Paragraph &paragraph : m_model.paragraphs) {
            const QTextBlockFormat blockFormat = toBlockFormat(paragraph.format);
            if (first)
                m_cursor.setBlockFormat(blockFormat);
            else
                m_cursor.insertBlock(blockFormat, QTextCharFormat());
            first = false;
            placeInList(paragraph.format);
            for (const Run &run : paragraph.runs)
                insertRun(run);
        }
        m_cursor.endEditBlock();
    }

private:
    void placeInList(const ParagraphFormat &format)
    {
        if (format.list == ListKind::None) {
            m_lists.clear(); // numbering starts again after an ordinary paragraph
            return;
        }
        const QPair<int, int> key(format.listId, format.listLevel);
        if (QTextList *list = m_lists.value(key)) {
            list->add(m_cursor.block());
            return;
        }
        m_lists.insert(key, m_cursor.createList(toListFormat(format)));
    }

    void insertRun(const Run &run)
    {
        if (run.picture < 0) {
            m_cursor.insertText(run.text, toCharFormat(run.format));
            return;
        }
        const Picture &picture = m_model.pictures.at(run.picture);
        const QImage image = QImage::fromData(picture.data);
        if (image.isNull())
            return;
        const QString name = QStringLiteral("rtfpicture:%1").arg(run.picture);
        m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.merge(toCharFormat(run.format));
        format.setName(name);
        if (picture.widthTwips > 0 && picture.heightTwips > 0) {
            format.setWidth(picture.widthTwips / twipsPerPixel);
            format.setHeight(picture.heightTwips / twipsPerPixel);
        }
        m_cursor.insertImage(format);
    }

    const Document &m_model;
    QTextDocument *m_document;
    QTextCursor m_cursor;
    QHash<QPair<int, int>, QTextList *> m_lists;
};

} // namespace

void importDocument(const Document &model, QTextDocument *document)
{
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false); // loading replaces the content; nothing to undo
    document->clear();
    DocumentImporter(model, document).run();
    document->setUndoRedoEnabled(undo);
}

} // namespace textpad::richtext
