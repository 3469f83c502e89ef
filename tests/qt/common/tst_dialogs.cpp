// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/dialogs.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(Dialogs::Buttons)
Q_DECLARE_METATYPE(Dialogs::Icon)
Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {

enum class Action { Click, Escape, CloseBox };

// Answers the message box that the next exec() shows, from inside that exec()'s event loop, after
// noting what the box showed. A box that ignores the answer is noted and then dismissed, so a fault
// fails the test instead of hanging it.
class MessageBoxAnswerer : public QObject
{
public:
    struct Seen
    {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QWidget *parent = nullptr;
        bool modal = false;
        bool stayedOpen = false;
    };

    void answerNext(Action action, QMessageBox::StandardButton button = QMessageBox::NoButton)
    {
        m_action = action;
        m_button = button;
        QTimer::singleShot(0, this, &MessageBoxAnswerer::answer);
    }

    std::optional<Seen> seen;

private:
    void answer()
    {
        QPointer<QMessageBox> box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return; // nothing to answer: message() did not show a modal box
        seen = Seen { box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
            box->parentWidget(), box->isModal(), false };
        act(box);
        if (box && box->isVisible()) {
            seen->stayedOpen = true;
            box->done(-1);
        }
    }

    void act(QMessageBox *box) const
    {
        switch (m_action) {
        case Action::Click:
            if (QAbstractButton *button = box->button(m_button))
                QTest::mouseClick(button, Qt::LeftButton);
            break;
        case Action::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Action::CloseBox:
            box->close();
            break;
        }
    }

    Action m_action = Action::Click;
    QMessageBox::StandardButton m_button = QMessageBox::NoButton;
};

} // namespace

Q_DECLARE_METATYPE(Action)

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void message_data();
    void message();
    void fontDialogIsQtsOwnAndCancelKeepsTheStartingFont();
    void fileDialogsRememberTheFolderAndAddTheFiltersExtension_data();
    void fileDialogsRememberTheFolderAndAddTheFiltersExtension();
    void pageDialogBlocksOnlyItsWindow_data();
    void pageDialogBlocksOnlyItsWindow();
    void signInShowsTheSitesRealmAsText();
};

void TestDialogs::cleanup()
{
    // The box lives only as long as the call; nothing may be left on screen.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestDialogs::message_data()
{
    QTest::addColumn<Dialogs::Buttons>("buttons");
    QTest::addColumn<Dialogs::Icon>("icon");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QMessageBox::StandardButton>("clicked");
    QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<Dialogs::Answer>("answer");

    using B = Dialogs::Buttons;
    using I = Dialogs::Icon;
    using A = Dialogs::Answer;
    using M = QMessageBox;
    const M::StandardButtons ok = M::Ok;
    const M::StandardButtons yesNo = M::Yes | M::No;
    const M::StandardButtons yesNoCancel = M::Yes | M::No | M::Cancel;

    QTest::newRow("ok box, Esc") << B::Ok << I::Information << Action::Escape << M::NoButton << ok
                                 << M::Information << A::Ok;
    QTest::newRow("yes/no, Esc answers No")
        << B::YesNo << I::None << Action::Escape << M::NoButton << yesNo << M::NoIcon << A::No;
    QTest::newRow("yes/no, close box answers No") << B::YesNo << I::Question << Action::CloseBox
                                                  << M::NoButton << yesNo << M::Question << A::No;
    QTest::newRow("yes/no/cancel, Yes clicked") << B::YesNoCancel << I::Question << Action::Click
                                                << M::Yes << yesNoCancel << M::Question << A::Yes;
    QTest::newRow("yes/no/cancel, Esc answers Cancel")
        << B::YesNoCancel << I::Question << Action::Escape << M::NoButton << yesNoCancel
        << M::Question << A::Cancel;
    QTest::newRow("yes/no/cancel, close box answers Cancel")
        << B::YesNoCancel << I::None << Action::CloseBox << M::NoButton << yesNoCancel << M::NoIcon
        << A::Cancel;
}

void TestDialogs::message()
{
    QFETCH(Dialogs::Buttons, buttons);
    QFETCH(Dialogs::Icon, icon);
    QFETCH(Action, action);
    QFETCH(QMessageBox::StandardButton, clicked);
    QFETCH(QMessageBox::StandardButtons, shownButtons);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(Dialogs::Answer, answer);

    const QString text = QStringLiteral("Do you want to save changes made to your file?");
    const QString title = QStringLiteral("Save file? ");
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    MessageBoxAnswerer answerer;
    answerer.answerNext(action, clicked);
    QtDialogs dialogs;
    const Dialogs::Answer given = dialogs.message(&window, text, title, buttons, icon);

    QVERIFY2(answerer.seen, "no modal message box was shown");
    QCOMPARE(answerer.seen->text, text);
    QCOMPARE(answerer.seen->title, title);
    QCOMPARE(answerer.seen->icon, shownIcon);
    QCOMPARE(answerer.seen->buttons, shownButtons);
    QCOMPARE(answerer.seen->parent, &window);
    QVERIFY2(!answerer.seen->stayedOpen, "the box ignored the answer");
    QCOMPARE(given, answer);
}

void TestDialogs::fontDialogIsQtsOwnAndCancelKeepsTheStartingFont()
{
    std::optional<bool> qtsOwn;
    QTimer::singleShot(0, this, [&qtsOwn] {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        qtsOwn = dialog->testOption(QFontDialog::DontUseNativeDialog);
        dialog->reject();
    });
    const QFont initial(QStringLiteral("Serif"), 13);
    QtDialogs dialogs;
    const Dialogs::FontChoice choice = dialogs.chooseFont(nullptr, initial);

    QVERIFY2(qtsOwn, "no modal font dialog was shown");
    QVERIFY(*qtsOwn);
    QVERIFY(!choice.accepted);
    QCOMPARE(choice.font, initial);
}

void TestDialogs::fileDialogsRememberTheFolderAndAddTheFiltersExtension_data()
{
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("plain") << "Untitled.txt"
                           << "notes"
                           << "notes.txt";
    QTest::newRow("rich text") << "Untitled.rtf"
                               << "letter"
                               << "letter.rtf";
    QTest::newRow("own extension") << "Untitled.txt"
                                   << "page.html"
                                   << "page.html";
}

// Open in a folder, then Save As without one: it starts in that folder with the proposed name,
// and a name typed without an extension gets the chosen filter's.
void TestDialogs::fileDialogsRememberTheFolderAndAddTheFiltersExtension()
{
    QFETCH(QString, proposed);
    QFETCH(QString, typed);
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("a.txt")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    const QString filter = QStringLiteral("Text Files (*.txt);;Rich Text Format (*.rtf);;All (*)");
    QStringList proposals;
    const auto answerWith = [this, &proposals](const QString &name) {
        QTimer::singleShot(0, this, [&proposals, name] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            proposals << dialog->selectedFiles().value(0);
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    };
    QtDialogs dialogs;
    answerWith(QStringLiteral("a.txt"));
    QCOMPARE(dialogs.openFile(nullptr, filter, dir.path()), std::optional(existing.fileName()));
    answerWith(typed);
    QFETCH(QString, saved);
    QCOMPARE(dialogs.saveFile(nullptr, filter, proposed), std::optional(dir.filePath(saved)));
    QCOMPARE(proposals.value(1), dir.filePath(proposed));
}

void TestDialogs::pageDialogBlocksOnlyItsWindow_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("answered") << false;
    QTest::newRow("its window goes away") << true;
}

void TestDialogs::pageDialogBlocksOnlyItsWindow()
{
    QFETCH(bool, closeWindow);
    // A frame holding two browser windows.
    QWidget frame;
    QPointer<QWidget> page = new QWidget(&frame);
    auto *other = new QWidget(&frame);
    frame.show();
    bool blockedOnlyItsWindow = false;
    QTimer::singleShot(0, &frame, [&] {
        auto *dialog = frame.findChild<QDialog *>();
        if (!dialog)
            return;
        blockedOnlyItsWindow = dialog->isVisible() && !dialog->isModal() && !page->isEnabled()
            && other->isEnabled() && frame.isEnabled();
        if (closeWindow) {
            delete page;
            return;
        }
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("typed"));
        dialog->findChild<QCheckBox *>()->setChecked(true);
        dialog->accept();
    });
    QtDialogs dialogs;
    const auto answer = dialogs.pageDialog(
        page, Dialogs::PageDialogKind::Prompt, QStringLiteral("Name?"), QString(), true);
    QVERIFY(blockedOnlyItsWindow);
    QCOMPARE(answer.accepted, !closeWindow);
    QCOMPARE(answer.silence, !closeWindow);
    QCOMPARE(answer.value, closeWindow ? QString() : QStringLiteral("typed"));
    QVERIFY(!frame.findChild<QDialog *>());
    if (page)
        QVERIFY(page->isEnabled());
}

void TestDialogs::signInShowsTheSitesRealmAsText()
{
    QString readOut;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const QLabel *question = dialog->findChild<QLabel *>();
        readOut = QAccessible::queryAccessibleInterface(const_cast<QLabel *>(question))
                      ->text(QAccessible::Name);
        dialog->reject();
    });
    QtDialogs dialogs;
    const QString realm = QStringLiteral("<h1>Your bank</h1>");
    QVERIFY(!dialogs.signIn(nullptr, QStringLiteral("host"), realm));
    QVERIFY2(readOut.contains(realm), qPrintable(readOut));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
