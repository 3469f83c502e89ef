// SPDX-License-Identifier: GPL-3.0-or-later
// The real sign-in and page dialogs of QtDialogs.
#include "common/dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace {

QLineEdit *addField(QFormLayout *form, const char *name, const QString &label)
{
    auto *field = new QLineEdit(form->parentWidget());
    field->setObjectName(QLatin1String(name));
    form->addRow(label, field);
    return field;
}

QDialogButtonBox *addButtons(QDialog *dialog, QFormLayout *form, bool withCancel)
{
    auto *buttons = new QDialogButtonBox(
        withCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok,
        dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    form->addRow(buttons);
    return buttons;
}

// A window asked to close while its page dialog is up ends the dialog instead, and closes once the
// answer has gone back to the page: closing at once would delete the page in the middle of its
// own call.
class CloseRequests : public QObject
{
public:
    explicit CloseRequests(QDialog *dialog)
        : m_dialog(dialog)
    {
    }
    bool made() const { return m_made; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        m_made = true;
        if (m_dialog)
            m_dialog->reject();
        return true;
    }

private:
    QPointer<QDialog> m_dialog;
    bool m_made = false;
};

// Runs `dialog` modal to `window` alone; true when accepted. Window modality would block the
// frame and every other browser window in it, so the window is disabled instead while a local
// loop waits. The loop also ends when the window or the dialog goes away, or when the window is
// asked to close (`closeRequested`), which it then does once the caller has returned.
bool runForWindow(const QPointer<QDialog> &dialog, QWidget *window, bool *closeRequested)
{
    const QPointer<QWidget> guard(window);
    CloseRequests closeRequests(dialog);
    window->installEventFilter(&closeRequests);
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(window, &QObject::destroyed, dialog, &QDialog::reject);
    window->setEnabled(false);
    dialog->show();
    loop.exec();
    *closeRequested = closeRequests.made();
    if (guard) {
        guard->removeEventFilter(&closeRequests);
        guard->setEnabled(true);
        if (*closeRequested) {
            // A window held in a frame of its own (a sub-window) closes through that frame.
            QWidget *frame = guard->isWindow() ? guard.data() : guard->parentWidget();
            QMetaObject::invokeMethod(frame, &QWidget::close, Qt::QueuedConnection);
        }
    }
    return dialog && guard && dialog->result() == QDialog::Accepted;
}

} // namespace

std::optional<Dialogs::Credentials> QtDialogs::signIn(QWidget *parent, const QString &host,
    const QString &realm, const QString &proposedUser, bool retry)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Sign in"));
    auto *form = new QFormLayout(&dialog);
    // The realm is the site's own text: shown as it stands, never as markup it could dress up in.
    const QString asks = realm.isEmpty()
        ? QStringLiteral("%1 asks you to sign in.").arg(host)
        : QStringLiteral("%1 asks you to sign in to \"%2\".").arg(host, realm);
    auto *question = new QLabel(
        retry ? QStringLiteral("The user name or password was not accepted.\n") + asks : asks,
        &dialog);
    question->setTextFormat(Qt::PlainText);
    form->addRow(question);
    QLineEdit *user = addField(form, "user", QStringLiteral("&User name:"));
    QLineEdit *password = addField(form, "password", QStringLiteral("&Password:"));
    password->setEchoMode(QLineEdit::Password);
    user->setText(proposedUser);
    if (!proposedUser.isEmpty())
        password->setFocus();
    addButtons(&dialog, form, true);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Credentials { user->text(), password->text() };
}

Dialogs::PageDialogAnswer QtDialogs::pageDialog(QWidget *window, PageDialogKind kind,
    const QString &text, const QString &value, bool offerSilence)
{
    // Parented to the top-level window so it stays on top of it; only `window` is blocked.
    const QPointer<QDialog> dialog = new QDialog(window->window());
    dialog->setWindowTitle(QStringLiteral("Message from the page"));
    auto *form = new QFormLayout(dialog);
    auto *label = new QLabel(text, dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    form->addRow(label);
    QLineEdit *field = nullptr;
    if (kind == PageDialogKind::Prompt) {
        field = new QLineEdit(value, dialog);
        form->addRow(field);
    }
    QCheckBox *silence = nullptr;
    if (offerSilence) {
        silence = new QCheckBox(QStringLiteral("Don't let this page show more dialogs"), dialog);
        form->addRow(silence);
    }
    addButtons(dialog, form, kind != PageDialogKind::Alert);
    PageDialogAnswer answer;
    bool closing = false;
    answer.accepted = runForWindow(dialog, window, &closing);
    // A closing window's page shows no more dialogs before it goes.
    answer.silence = closing || (dialog && silence && silence->isChecked());
    if (!dialog)
        return answer;
    answer.value = field ? field->text() : QString();
    delete dialog;
    return answer;
}
