// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/dialogs.h"
#include "textpad/core/documentrules.h"

#include <QObject>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class RichTextControl;

// The pad's document: its file name (`fname`), whether it has unsaved changes (`saved`), the title,
// the File commands, the save prompt and closing, which only ever empties and hides the window.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

    DocumentController(QWidget *window, RichTextControl *tb, Dialogs &dialogs, QObject *parent);

    QString fileName() const { return m_fname; }
    bool isSaved() const { return m_saved; }

    void newDocument();
    void open();
    // Open without the dialog and without the save prompt; false when nothing could be loaded.
    bool openPath(const QString &path);
    // A file dropped onto the document: opened as Open would, after the save prompt; a folder, an
    // unreadable or a too large file is refused with a message and the document stays.
    void openDropped(const QString &path);
    void save();
    void saveAs();
    void print();
    void exit();
    // The window's close box: asks when needed, empties and hides the window; never destroys it.
    void closeRequested();
    // The close-all signal box received `text`.
    void closeAllSignal(const QString &text);
    // `closedoc`: empty, untitled, saved and hidden.
    void closeDocument();

    // Where Print prints; nothing when no printer is available. The system's default printer
    // unless a test says otherwise.
    void setPrinterSource(PrinterSource source) { m_printerSource = std::move(source); }

private:
    Dialogs::Answer askToSave(const QString &question);
    Dialogs::Answer settleUnsavedChanges();
    void clear();
    bool write(const QString &path);
    void setTitle(textpad::PadTitle title);

    QWidget *m_window;
    RichTextControl *m_tb;
    Dialogs &m_dialogs;
    PrinterSource m_printerSource;
    QString m_fname;
    QString m_fileTitle; // the name shown in the title, from the last successful file dialog
    bool m_saved = true;
};
