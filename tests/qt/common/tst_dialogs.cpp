// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/dialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

Q_DECLARE_METATYPE(Dialogs::Buttons)
Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {

// Acts on the modal dialog of type T that the next exec() shows, from inside that exec()'s event
// loop. A dialog the action left open is closed, so a fault fails the test instead of hanging it.
template <typename T> void answerNextModal(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        QPointer<T> dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        act(dialog);
        if (dialog && dialog->isVisible())
            static_cast<QDialog *>(dialog)->done(-1);
    });
}

enum class Action { Click, Escape, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        // The box lives only as long as the call; nothing may be left on screen.
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Esc and the close box answer No where there is no Cancel, else Cancel.
    void message_data()
    {
        QTest::addColumn<Dialogs::Buttons>("buttons");
        QTest::addColumn<Action>("action");
        QTest::addColumn<Dialogs::Answer>("answer");
        using B = Dialogs::Buttons;
        using A = Dialogs::Answer;
        QTest::newRow("yes/no, Esc") << B::YesNo << Action::Escape << A::No;
        QTest::newRow("yes/no, close box") << B::YesNo << Action::CloseBox << A::No;
        QTest::newRow("yes/no/cancel, Yes") << B::YesNoCancel << Action::Click << A::Yes;
        QTest::newRow("yes/no/cancel, Esc") << B::YesNoCancel << Action::Escape << A::Cancel;
        QTest::newRow("yes/no/cancel, close box")
            << B::YesNoCancel << Action::CloseBox << A::Cancel;
    }

    void message()
    {
        QFETCH(Dialogs::Buttons, buttons);
        QFETCH(Action, action);
        const QString text = QStringLiteral("Do you want to save changes made to your file?");
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        std::optional<QMessageBox::StandardButtons> shown;
        answerNextModal<QMessageBox>([&](QMessageBox *box) {
            if (box->text() == text && box->parentWidget() == &window)
                shown = box->standardButtons();
            if (action == Action::Click)
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            else if (action == Action::Escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        const auto given = QtDialogs().message(&window, text, {}, buttons, Dialogs::Icon::Question);
        QVERIFY2(shown, "no modal message box with the text was shown");
        QCOMPARE(shown->testFlag(QMessageBox::Cancel), buttons == Dialogs::Buttons::YesNoCancel);
        QTEST(given, "answer");
    }

    // Open in a folder, then Save As without one: it starts in that folder with the proposed name,
    // and a name typed without an extension gets that of the proposed name's filter.
    void fileDialogsRememberTheFolderAndAddTheFiltersExtension()
    {
        QTemporaryDir dir;
        QFile existing(dir.filePath(QStringLiteral("a.txt")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        const QString filter
            = QStringLiteral("Text Files (*.txt);;Rich Text Format (*.rtf);;All (*)");
        QStringList proposals;
        const auto answerWith = [&proposals](const QString &name) {
            answerNextModal<QFileDialog>([&proposals, name](QFileDialog *dialog) {
                proposals << dialog->selectedFiles().value(0);
                dialog->selectFile(name);
                QMetaObject::invokeMethod(dialog, "accept");
            });
        };
        QtDialogs dialogs;
        answerWith(QStringLiteral("a.txt"));
        QCOMPARE(dialogs.openFile(nullptr, filter, dir.path()), std::optional(existing.fileName()));
        answerWith(QStringLiteral("letter"));
        QCOMPARE(dialogs.saveFile(nullptr, filter, QStringLiteral("Untitled.rtf")),
            std::optional(dir.filePath(QStringLiteral("letter.rtf"))));
        QCOMPARE(proposals.value(1), dir.filePath(QStringLiteral("Untitled.rtf")));
    }

    // Answered, or its window is closed while it is up: the dialog ends, and the window closes
    // only after the call, as the page that asked is still in it.
    void pageDialogBlocksOnlyItsWindow()
    {
        for (bool closeWindow : { false, true }) {
            // A frame holding two browser windows.
            QWidget frame;
            auto *subWindow = new QWidget(&frame);
            subWindow->setAttribute(Qt::WA_DeleteOnClose);
            QPointer<QWidget> page = new QWidget(subWindow);
            auto *other = new QWidget(&frame);
            frame.show();
            bool blockedOnlyItsWindow = false;
            QTimer::singleShot(0, &frame, [&] {
                auto *dialog = frame.findChild<QDialog *>();
                if (!dialog)
                    return;
                blockedOnlyItsWindow = dialog->isVisible() && !dialog->isModal()
                    && !page->isEnabled() && other->isEnabled() && frame.isEnabled();
                if (closeWindow) {
                    page->close();
                    return;
                }
                dialog->findChild<QLineEdit *>()->setText(QStringLiteral("typed"));
                dialog->findChild<QCheckBox *>()->setChecked(true);
                dialog->accept();
            });
            const auto answer = QtDialogs().pageDialog(
                page, Dialogs::PageDialogKind::Prompt, QStringLiteral("Name?"), QString(), true);
            QVERIFY(blockedOnlyItsWindow);
            QCOMPARE(answer.accepted, !closeWindow);
            QVERIFY(answer.silence);
            QCOMPARE(answer.value, closeWindow ? QString() : QStringLiteral("typed"));
            QVERIFY(!frame.findChild<QDialog *>());
            QVERIFY(page && page->isEnabled());
            QTRY_COMPARE(page.isNull(), closeWindow);
        }
    }

    void signInShowsTheSitesRealmAsText()
    {
        QString shown;
        answerNextModal<QDialog>([&shown](QDialog *dialog) {
            // What a screen reader reads: the label's text without any markup it was taken for.
            shown = QAccessible::queryAccessibleInterface(dialog->findChild<QLabel *>())
                        ->text(QAccessible::Name);
            dialog->reject();
        });
        const QString realm = QStringLiteral("<h1>Your bank</h1>");
        QVERIFY(!QtDialogs().signIn(nullptr, QStringLiteral("host"), realm, QString(), false));
        QVERIFY2(shown.contains(realm), qPrintable(shown));
        // Asked again: the name stays and the user learns why.
        answerNextModal<QDialog>([&shown](QDialog *dialog) {
            shown = dialog->findChild<QLabel *>()->text() + u'|'
                + dialog->findChild<QLineEdit *>(QStringLiteral("user"))->text();
        });
        QtDialogs().signIn(nullptr, QStringLiteral("host"), realm, QStringLiteral("ann"), true);
        QCOMPARE(shown,
            "The user name or password was not accepted.\nhost asks you to sign in to \"" + realm
                + "\".|ann");
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
