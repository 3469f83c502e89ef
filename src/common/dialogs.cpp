// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/dialogs.h"

#include "common/core/dialogstart.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QMessageBox::StandardButtons standardButtons(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return QMessageBox::Ok;
    case Dialogs::Buttons::YesNo:
    case Dialogs::Buttons::YesNoDefaultNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::None:
        return QMessageBox::NoIcon;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Dialogs::Answer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Cancel:
        return Dialogs::Answer::Cancel;
    default:
        return Dialogs::Answer::Ok;
    }
}

// "txt" for "Text Files (*.txt)"; nothing for a filter of several patterns or of "*".
QString singleExtension(const QString &nameFilter)
{
    static const QRegularExpression onePattern(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
    return onePattern.match(nameFilter).captured(1);
}

} // namespace

Dialogs::Answer QtDialogs::message(
    QWidget *parent, const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(messageIcon(icon), title, text, standardButtons(buttons), parent);
    // Closing a Yes/No box with Esc or its close box counts as No; with Cancel, as Cancel.
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo)
        box.setEscapeButton(QMessageBox::No);
    if (buttons == Buttons::YesNoDefaultNo)
        box.setDefaultButton(QMessageBox::No);
    const int result = box.exec();
    if (box.clickedButton() == nullptr && buttons == Buttons::YesNoCancel)
        return Answer::Cancel;
    return answerFor(result);
}

QString QtDialogs::startPath(const QString &given) const
{
    // A desktop without a documents folder starts in the home folder instead.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dialogStartPath(
        given, m_lastFolder, QDir(documents).exists() ? documents : QDir::homePath());
}

std::optional<QString> QtDialogs::chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> QtDialogs::openFile(
    QWidget *parent, const QString &filter, const QString &directory)
{
    return chosen(QFileDialog::getOpenFileName(parent, {}, startPath(directory), filter));
}

std::optional<QString> QtDialogs::saveFile(
    QWidget *parent, const QString &filter, const QString &proposedPath)
{
    QFileDialog dialog(parent, {}, startPath(proposedPath), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The filter of the proposed name's extension comes first, so a name typed over it keeps it.
    const QString proposedSuffix = QFileInfo(proposedPath).suffix();
    for (const QString &nameFilter : dialog.nameFilters()) {
        if (!proposedSuffix.isEmpty() && singleExtension(nameFilter) == proposedSuffix)
            dialog.selectNameFilter(nameFilter);
    }
    dialog.setDefaultSuffix(singleExtension(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &chosen) { dialog.setDefaultSuffix(singleExtension(chosen)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

Dialogs::FontChoice QtDialogs::chooseFont(QWidget *parent, const QFont &initial)
{
    QFontDialog dialog(initial, parent);
    // Qt's own dialog everywhere, so the pad gets the same choices on every desktop.
    dialog.setOptions(QFontDialog::DontUseNativeDialog);
    FontChoice choice;
    choice.accepted = dialog.exec() == QDialog::Accepted;
    choice.font = choice.accepted ? dialog.selectedFont() : initial;
    return choice;
}

bool QtDialogs::pageSetup(QWidget *parent, QPrinter *printer)
{
    QPageSetupDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::print(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
