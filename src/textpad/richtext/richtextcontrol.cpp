// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/richtextcontrol.h"

#include "textpad/richtext/linedocumentlayout.h"
#include "textpad/rtf/documentfile.h"
#include "textpad/rtf/documentsizetracker.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocumentFragment>

RichTextControl::RichTextControl(QWidget *parent)
    : QTextEdit(parent)
{
    // The pad shows a menu of its own when the right button is released.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Lines never wrap: long ones scroll sideways, with both scroll bars shown as needed.
    setLineWrapMode(QTextEdit::NoWrap);
    connect(this, &QTextEdit::textChanged, this, &RichTextControl::change);
    // Paragraphs run left to right unless they say otherwise: working the direction out from each
    // paragraph's text makes every edit of a large document cost twice as much. Loaded documents
    // take the option over from this one.
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    document()->setDefaultTextOption(option);
    m_sizeTracker = new DocumentSizeTracker(document());
    useLineLayoutIfSuited(document());
}

// Documents of plain lines get the layout that keeps typing fast in large files.
void RichTextControl::useLineLayoutIfSuited(QTextDocument *document)
{
    if (!qobject_cast<LineDocumentLayout *>(document->documentLayout())
        && LineDocumentLayout::suits(*document))
        document->setDocumentLayout(new LineDocumentLayout(document));
}

QString RichTextControl::text() const
{
    return textpad::toCrLfLineBreaks(document()->toRawText());
}

void RichTextControl::setText(const QString &text)
{
    m_plainFormat = {};
    setPlainText(textpad::toDocumentLineBreaks(text));
    useLineLayoutIfSuited(document());
}

int RichTextControl::selStart() const
{
    return textCursor().selectionStart();
}

void RichTextControl::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, start, document()->characterCount() - 1));
    setTextCursor(cursor);
}

int RichTextControl::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextControl::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = qBound(0, start + qMax(0, length), document()->characterCount() - 1);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextControl::selText() const
{
    return textpad::toCrLfLineBreaks(textCursor().selectedText());
}

QString RichTextControl::selClipboardText() const
{
    return selText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void RichTextControl::setSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(textpad::toDocumentLineBreaks(text));
    setTextCursor(cursor);
}

QList<QTextBlock> RichTextControl::selectedBlocks() const
{
    const QTextCursor cursor = textCursor();
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    QList<QTextBlock> blocks;
    for (QTextBlock block = document()->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        blocks.append(block);
        if (block == last)
            break;
    }
    return blocks;
}

std::optional<bool> RichTextControl::selBullet() const
{
    std::optional<bool> bullet;
    for (const QTextBlock &block : selectedBlocks()) {
        const bool inList = block.textList() != nullptr;
        if (bullet && *bullet != inList)
            return std::nullopt;
        bullet = inList;
    }
    return bullet.value_or(false);
}

void RichTextControl::setSelBullet(bool bullet)
{
    if (bullet && qobject_cast<LineDocumentLayout *>(document()->documentLayout())) {
        // Bullets need Qt's own layout; the document gets it back when the line layout goes.
        document()->setDocumentLayout(nullptr);
        setLineWrapMode(lineWrapMode()); // lays the document out for the view again
    }
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (bullet) {
        cursor.createList(QTextListFormat::ListDisc);
    } else {
        for (const QTextBlock &block : selectedBlocks()) {
            if (block.textList()) {
                QTextBlockFormat format = block.blockFormat();
                format.setObjectIndex(-1);
                QTextCursor(block).setBlockFormat(format);
            }
        }
    }
    cursor.endEditBlock();
}

// The value `read` gives for the format of text typed next, or for every piece of the selection
// when they agree.
template <typename T, typename Read>
std::optional<T> RichTextControl::selectionFormat(Read read) const
{
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<T> value;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const T fragmentValue = read(fragment.charFormat());
            if (value && *value != fragmentValue)
                return std::nullopt;
            value = fragmentValue;
        }
    }
    return value ? value : std::optional<T>(read(cursor.charFormat()));
}

// A property of the font the selection shows, read like selectionFormat.
template <typename T> std::optional<T> RichTextControl::selFont(T (QFont::*property)() const) const
{
    return selectionFormat<T>([this, property](const QTextCharFormat &format) {
        return (format.font().resolve(document()->defaultFont()).*property)();
    });
}

// Sets one property of the selection's format, or of the text typed next.
template <typename Setter, typename Value>
void RichTextControl::setSelFormat(Setter setter, const Value &value)
{
    QTextCharFormat format;
    (format.*setter)(value);
    mergeCurrentCharFormat(format);
}

std::optional<QString> RichTextControl::selFontName() const
{
    return selFont(&QFont::family);
}

std::optional<double> RichTextControl::selFontSize() const
{
    return selFont(&QFont::pointSizeF);
}

std::optional<bool> RichTextControl::selBold() const
{
    return selFont(&QFont::bold);
}

std::optional<bool> RichTextControl::selItalic() const
{
    return selFont(&QFont::italic);
}

std::optional<bool> RichTextControl::selStrikeThru() const
{
    return selFont(&QFont::strikeOut);
}

std::optional<bool> RichTextControl::selUnderline() const
{
    return selFont(&QFont::underline);
}

std::optional<QColor> RichTextControl::selColor() const
{
    const QColor automatic = palette().color(QPalette::Text);
    return selectionFormat<QColor>([automatic](const QTextCharFormat &f) {
        return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : automatic;
    });
}

void RichTextControl::setSelFontName(const QString &name)
{
    setSelFormat(&QTextCharFormat::setFontFamilies, QStringList { name });
}

void RichTextControl::setSelFontSize(double points)
{
    setSelFormat(&QTextCharFormat::setFontPointSize, points);
}

void RichTextControl::setSelBold(bool bold)
{
    setSelFormat(&QTextCharFormat::setFontWeight, int(bold ? QFont::Bold : QFont::Normal));
}

void RichTextControl::setSelItalic(bool italic)
{
    setSelFormat(&QTextCharFormat::setFontItalic, italic);
}

void RichTextControl::setSelStrikeThru(bool strikeThru)
{
    setSelFormat(&QTextCharFormat::setFontStrikeOut, strikeThru);
}

void RichTextControl::setSelUnderline(bool underline)
{
    setSelFormat(&QTextCharFormat::setFontUnderline, underline);
}

void RichTextControl::setSelColor(const QColor &color)
{
    setSelFormat(&QTextCharFormat::setForeground, QBrush(color));
}

void RichTextControl::loadFile(const QString &path)
{
    textpad::LoadedDocument loaded = textpad::readDocumentFile(path, *document());
    loaded.document->setParent(this);
    useLineLayoutIfSuited(loaded.document.get());
    useDocument(loaded.document.release());
    m_plainFormat = loaded.plainFormat;
    m_loadedRichText = loaded.richText;
}

void RichTextControl::useDocument(QTextDocument *document)
{
    QPointer<QTextDocument> previous = this->document();
    m_sizeTracker = new DocumentSizeTracker(document);
    setDocument(document);
    if (previous && previous->parent() == this)
        delete previous;
    emit change();
}

void RichTextControl::saveFile(const QString &path) const
{
    textpad::writeRichTextFile(path, *document());
}

void RichTextControl::savePlainFile(const QString &path)
{
    m_plainFormat.encoding = textpad::writePlainTextFile(path, *document(), m_plainFormat);
}

qint64 RichTextControl::plainTextSize() const
{
    return textpad::plainTextSize(m_sizeTracker->stats(), m_plainFormat);
}

void RichTextControl::selPrint(QPrinter *printer) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        document()->print(printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(printer);
}

void RichTextControl::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty())
        emit keyPress(event->text().at(0));
    QTextEdit::keyPressEvent(event);
}

void RichTextControl::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))
        emit mouseUp(event->button());
}

bool RichTextControl::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText() || source->hasHtml() || source->hasFormat(QStringLiteral("text/rtf"));
}

// Pasted and dropped text arrives without its formatting: it takes the format at the caret.
void RichTextControl::insertFromMimeData(const QMimeData *source)
{
    setSelText(source->text());
}

QMimeData *RichTextControl::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(selClipboardText());
    return data;
}
