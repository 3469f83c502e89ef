// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/documentcontroller.h"

#include "textpad/richtext/richtextcontrol.h"
#include "textpad/rtf/fileerror.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

using textpad::PadTitle;

namespace {
const QString fileFilter
    = QStringLiteral("Text Files (*.txt);;Rich Text Format (*.rtf);;All Files (*)");
const QString saveChanges = QStringLiteral("Do you want to save changes made to your file?");

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info);
}
} // namespace

DocumentController::DocumentController(
    QWidget *window, RichTextControl *tb, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_tb(tb)
    , m_dialogs(dialogs)
    , m_printerSource(defaultPrinter)
{
    connect(tb, &RichTextControl::change, this, [this] { m_saved = false; });
    setTitle(PadTitle::Plain);
}

Dialogs::Answer DocumentController::askToSave(const QString &question)
{
    return m_dialogs.message(m_window, question, QStringLiteral("Save file?"),
        Dialogs::Buttons::YesNoCancel, Dialogs::Icon::Question);
}

void DocumentController::setTitle(PadTitle title)
{
    m_window->setWindowTitle(textpad::padTitle(title, m_fileTitle));
}

void DocumentController::clear()
{
    m_fname.clear();
    m_fileTitle.clear();
    setTitle(PadTitle::Plain);
    m_tb->setText(QString());
}

// Asks the save prompt until the document is saved or the user answers No or Cancel. A Yes whose
// save did not happen asks again, so unsaved text is never dropped without a No. Yes means the
// document is now saved.
Dialogs::Answer DocumentController::settleUnsavedChanges()
{
    while (!m_saved) {
        const Dialogs::Answer answer = askToSave(saveChanges);
        if (answer == Dialogs::Answer::No)
            return answer;
        if (answer != Dialogs::Answer::Yes)
            return Dialogs::Answer::Cancel;
        save();
    }
    return Dialogs::Answer::Yes;
}

void DocumentController::newDocument()
{
    const Dialogs::Answer answer = settleUnsavedChanges();
    if (answer == Dialogs::Answer::Cancel)
        return;
    clear();
    // Answered No, the emptied document still counts as changed.
    m_saved = answer == Dialogs::Answer::Yes;
}

void DocumentController::open()
{
    if (settleUnsavedChanges() == Dialogs::Answer::Cancel)
        return;
    const QString folder = m_fname.isEmpty() ? QString() : QFileInfo(m_fname).absolutePath();
    if (const std::optional<QString> path = m_dialogs.openFile(m_window, fileFilter, folder))
        openPath(*path);
}

void DocumentController::openDropped(const QString &path)
{
    const QFileInfo file(path);
    const std::optional<QString> refusal = textpad::openRefusal(
        file.fileName(), textpad::pathKind(file), file.isReadable(), file.size());
    if (refusal) {
        m_dialogs.error(m_window, *refusal);
        return;
    }
    if (settleUnsavedChanges() != Dialogs::Answer::Cancel)
        openPath(path);
}

bool DocumentController::openPath(const QString &path)
{
    const QString previousTitle = m_window->windowTitle();
    setTitle(PadTitle::Loading);
    try {
        m_tb->loadFile(path);
    } catch (const FileError &) {
        // Nothing was loaded: the window goes on showing the document it had.
        m_window->setWindowTitle(previousTitle);
        return false;
    }
    m_fname = path;
    m_fileTitle = textpad::fileTitle(path);
    m_saved = true;
    setTitle(PadTitle::File);
    return true;
}

// Writes under the saving title; a failed write is reported and the window gets its title back.
bool DocumentController::write(const QString &path)
{
    const QString previousTitle = m_window->windowTitle();
    setTitle(PadTitle::Saving);
    try {
        // A file read as rich text stays rich text, whatever its name says.
        if (textpad::savesAsRichText(path) || (path == m_fname && m_tb->loadedRichText()))
            m_tb->saveFile(path);
        else
            m_tb->savePlainFile(path);
    } catch (const FileError &error) {
        m_dialogs.error(m_window,
            tr("The document could not be saved to %1.\n%2").arg(error.path(), error.reason()));
        m_window->setWindowTitle(previousTitle);
        return false;
    }
    return true;
}

void DocumentController::save()
{
    if (m_fname.isEmpty()) {
        saveAs();
        return;
    }
    if (!write(m_fname))
        return;
    setTitle(PadTitle::File);
    m_saved = true;
}

void DocumentController::saveAs()
{
    const QString proposed = m_fname.isEmpty()
        ? textpad::untitledName(textpad::hasFormatting(*m_tb->document()))
        : m_fname;
    const std::optional<QString> path = m_dialogs.saveFile(m_window, fileFilter, proposed);
    if (!path)
        return;
    // A failed write keeps the document's previous name, so a later Save cannot go to that path.
    if (!write(*path))
        return;
    m_fname = *path;
    m_fileTitle = textpad::fileTitle(*path);
    setTitle(PadTitle::File);
    m_saved = true;
    m_dialogs.message(m_window, QStringLiteral("File Saved."), QStringLiteral("Saved"),
        Dialogs::Buttons::Ok, Dialogs::Icon::Information);
}

void DocumentController::print()
{
    const std::unique_ptr<QPrinter> printer = m_printerSource();
    if (!printer) {
        m_dialogs.error(m_window, tr("No printer is available: the document was not printed."));
        return;
    }
    m_tb->selPrint(printer.get());
    if (printer->printerState() == QPrinter::Error)
        m_dialogs.error(
            m_window, tr("The document could not be printed on %1.").arg(printer->printerName()));
}

void DocumentController::exit()
{
    if (settleUnsavedChanges() != Dialogs::Answer::Cancel)
        closeDocument();
}

void DocumentController::closeRequested()
{
    if (m_saved) {
        closeDocument();
        return;
    }
    switch (askToSave(saveChanges)) {
    case Dialogs::Answer::Yes:
        save(); // the window stays open on the saved document
        break;
    case Dialogs::Answer::No:
        closeDocument();
        break;
    default:
        break;
    }
}

void DocumentController::closeAllSignal(const QString &text)
{
    if (text != QLatin1String("a") || m_saved)
        return;
    m_window->show();
    m_window->setWindowState(
        m_window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    m_window->show();
    if (askToSave(QStringLiteral("Do you want to save unsaved file in Orbello's Quillstep?"))
        == Dialogs::Answer::Yes)
        save();
    else
        closeDocument();
}

void DocumentController::closeDocument()
{
    clear();
    m_saved = true;
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    m_window->hide();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
}
