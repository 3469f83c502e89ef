// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/textdocumentexport.h"

#include "textpad/rtf/liststyles.h"
#include "textpad/rtf/textdocumentimport.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace textpad::richtext {

namespace {

int toTwips(qreal pixels)
{
    return qRound(pixels * twipsPerPixel);
}

Alignment toAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return Alignment::Center;
    if (alignment & Qt::AlignJustify)
        return Alignment::Justify;
    if (alignment & Qt::AlignRight)
        return Alignment::Right;
    return Alignment::Left;
}

QImage resourceImage(const QVariant &resource)
{
    if (resource.userType() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.userType() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    if (resource.userType() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return QImage();
}

QByteArray pngData(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

class DocumentExporter
{
public:
    explicit DocumentExporter(const QTextDocument *document)
        : m_document(document)
        , m_defaultFont(document->defaultFont())
    {
    }

    Document run()
    {
        for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
            Paragraph paragraph;
            paragraph.format = paragraphFormat(block);
            for (auto it = block.begin(); !it.atEnd(); ++it)
                appendFragment(it.fragment(), paragraph);
            m_model.paragraphs.append(std::move(paragraph));
        }
        return std::move(m_model);
    }

private:
    ParagraphFormat paragraphFormat(const QTextBlock &block)
    {
        const QTextBlockFormat format = block.blockFormat();
        ParagraphFormat result;
        result.alignment = toAlignment(format.alignment());
        result.leftIndent = toTwips(format.leftMargin());
        result.rightIndent = toTwips(format.rightMargin());
        result.firstIndent = toTwips(format.textIndent());
        result.spaceBefore = toTwips(format.topMargin());
        result.spaceAfter = toTwips(format.bottomMargin());
        if (QTextList *list = block.textList()) {
            const QTextListFormat listFormat = list->format();
            const ListStyle &style = listStyleOfDocument(listFormat.style());
            result.list = style.kind;
            result.numberStyle = style.numberStyle;
            result.listLevel = qBound(1, listFormat.indent(), 9);
            auto id = m_listIds.find(list);
            if (id == m_listIds.end())
                id = m_listIds.insert(list, int(m_listIds.size()) + 1);
            result.listId = *id;
        }
        return result;
    }

    CharFormat charFormat(const QTextCharFormat &format) const
    {
        CharFormat result;
        const QStringList families = format.fontFamilies().toStringList();
        result.font = families.isEmpty() ? m_defaultFont.family() : families.first();
        const qreal defaultPoints
            = m_defaultFont.pointSizeF() > 0 ? m_defaultFont.pointSizeF() : 12;
        const qreal points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                            : defaultPoints;
        result.halfPoints = qBound(2, qRound(points * 2), 3276);
        result.bold = format.fontWeight() >= QFont::DemiBold;
        result.italic = format.fontItalic();
        result.underline = format.fontUnderline();
        result.strike = format.fontStrikeOut();
        if (format.foreground().style() != Qt::NoBrush)
            result.foreground = format.foreground().color();
        if (format.background().style() != Qt::NoBrush)
            result.background = format.background().color();
        if (format.isAnchor())
            result.link = format.anchorHref();
        return result;
    }

    void appendFragment(const QTextFragment &fragment, Paragraph &paragraph)
    {
        const QTextCharFormat format = fragment.charFormat();
        if (!format.isImageFormat()) {
            paragraph.runs.append(Run { fragment.text(), charFormat(format), -1 });
            return;
        }
        const QTextImageFormat image = format.toImageFormat();
        const QImage decoded
            = resourceImage(m_document->resource(QTextDocument::ImageResource, QUrl(image.name())));
        if (decoded.isNull())
            return;
        Picture picture;
        picture.data = pngData(decoded);
        picture.widthTwips = toTwips(image.width() > 0 ? image.width() : decoded.width());
        picture.heightTwips = toTwips(image.height() > 0 ? image.height() : decoded.height());
        for (int i = 0; i < fragment.length(); ++i) {
            m_model.pictures.append(picture);
            paragraph.runs.append(
                Run { QString(), charFormat(format), int(m_model.pictures.size()) - 1 });
        }
    }

    const QTextDocument *m_document;
    const QFont m_defaultFont;
    Document m_model;
    QHash<const QTextList *, int> m_listIds;
};

} // namespace

Document exportDocument(const QTextDocument *document)
{
    return DocumentExporter(document).run();
}

} // namespace textpad::richtext
