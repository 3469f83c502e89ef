// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/dialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace {
QMessageBox::StandardButtons standardButtons(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return QMessageBox::Ok;
    case Dialogs::Buttons::YesNo:
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

std::optional<QString> chosenPath(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
} // namespace

Dialogs::Answer QtDialogs::message(
    QWidget *parent, const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(messageIcon(icon), title, text, standardButtons(buttons), parent);
    // Closing a Yes/No box with Esc or its close box counts as No; with Cancel, as Cancel.
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    const int result = box.exec();
    if (box.clickedButton() == nullptr && buttons == Buttons::YesNoCancel)
        return Answer::Cancel;
    return answerFor(result);
}

std::optional<QString> QtDialogs::openFile(QWidget *parent, const QString &filter)
{
    return chosenPath(QFileDialog::getOpenFileName(parent, {}, {}, filter));
}

std::optional<QString> QtDialogs::saveFile(QWidget *parent, const QString &filter)
{
    return chosenPath(QFileDialog::getSaveFileName(parent, {}, {}, filter));
}

Dialogs::FontChoice QtDialogs::chooseFont(QWidget *parent, const QFont &initial)
{
    QFontDialog dialog(initial, parent);
    // Colour, strikethrough and underline are not the dialog's to change, and Qt 6.4 has no option
    // to leave out its effects group: hide the group that holds those check boxes.
    for (const QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
        if (auto *group = qobject_cast<QGroupBox *>(box->parentWidget()))
            group->hide();
    }
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
