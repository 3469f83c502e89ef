// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/core/plaintextformat.h"

#include <QColor>
#include <QTextEdit>
#include <optional>

class DocumentSizeTracker;
class QPrinter;

// The text pad's document: an editor with the members the pad's commands rely on. Offsets count one
// character per line break; text() reports each break as CR LF. A selection format read over mixed
// formats yields no value. File operations throw FileError with the system's reason (see
// documentfile.h).
class RichTextControl : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextControl(QWidget *parent = nullptr);

    QString text() const;
    // Replaces everything; the document then counts as a new one (CR LF, UTF-8) for plain saves.
    void setText(const QString &text);

    int selStart() const;
    void setSelStart(int start); // places the caret, clamped to the document
    int selLength() const;
    void setSelLength(int length); // from selStart(), clamped to the document
    QString selText() const;
    // The selection the way this desktop's programs expect it on the clipboard: LF line breaks.
    QString selClipboardText() const;
    void setSelText(const QString &text); // takes the format found at the insertion point

    // Nothing when the selection mixes paragraphs with and without bullets.
    std::optional<bool> selBullet() const;
    void setSelBullet(bool bullet);

    std::optional<QString> selFontName() const;
    void setSelFontName(const QString &name);
    std::optional<double> selFontSize() const;
    void setSelFontSize(double points);
    std::optional<bool> selBold() const;
    void setSelBold(bool bold);
    std::optional<bool> selItalic() const;
    void setSelItalic(bool italic);
    std::optional<bool> selStrikeThru() const;
    void setSelStrikeThru(bool strikeThru);
    std::optional<bool> selUnderline() const;
    void setSelUnderline(bool underline);
    std::optional<QColor> selColor() const;
    void setSelColor(const QColor &color);

    // A file starting with "{\rtf" loads as rich text, any other as plain text. On failure the
    // content stays as it was.
    void loadFile(const QString &path);
    // The whole content as rich text.
    void saveFile(const QString &path) const;
    // The text alone, in the format the file was read in (see plainTextFormat()).
    void savePlainFile(const QString &path);

    textpad::PlainTextFormat plainTextFormat() const { return m_plainFormat; }
    // Whether the last file loaded was rich text, whatever its name.
    bool loadedRichText() const { return m_loadedRichText; }
    // The bytes savePlainFile() would write, without building the text.
    qint64 plainTextSize() const;

    // The selection, or everything when nothing is selected.
    void selPrint(QPrinter *printer) const;

signals:
    void change();
    void keyPress(QChar typed); // each typed character, before it reaches the document
    void mouseUp(Qt::MouseButton button); // left, right or middle

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void useDocument(QTextDocument *document);
    static void useLineLayoutIfSuited(QTextDocument *document);
    // The paragraphs the selection touches; the caret's paragraph when nothing is selected.
    QList<QTextBlock> selectedBlocks() const;
    template <typename T, typename Read> std::optional<T> selectionFormat(Read read) const;
    template <typename T> std::optional<T> selFont(T (QFont::*property)() const) const;
    template <typename Setter, typename Value> void setSelFormat(Setter setter, const Value &value);

    textpad::PlainTextFormat m_plainFormat;
    bool m_loadedRichText = false;
    DocumentSizeTracker *m_sizeTracker = nullptr;
};
