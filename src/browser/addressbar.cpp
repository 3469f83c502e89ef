// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/addressbar.h"

#include "browser/historylistmodel.h"
#include "browser/webcontrol/webcontrol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int typingGuardMs = 5000;

// Keys that type a character, Enter and Backspace included; arrows, Shift or Delete do not.
bool producesCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    return !text.isEmpty() && text != QStringLiteral("\x7f");
}

AddressBoxModel::ReleasedKey releasedKey(const QKeyEvent *event, Qt::KeyboardModifiers pressedWith)
{
    if ((event->modifiers() | pressedWith) & (Qt::ControlModifier | Qt::AltModifier))
        return AddressBoxModel::ReleasedKey::Untyped;
    switch (event->key()) {
    case Qt::Key_Backspace:
        return AddressBoxModel::ReleasedKey::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return AddressBoxModel::ReleasedKey::Enter;
    case Qt::Key_Delete:
        return AddressBoxModel::ReleasedKey::Other;
    default:
        return event->text().isEmpty() ? AddressBoxModel::ReleasedKey::Untyped
                                       : AddressBoxModel::ReleasedKey::Other;
    }
}

} // namespace

AddressBar::AddressBar(WebControl *web, const QString &historyFilePath, QWidget *widgetParent)
    : QObject(widgetParent)
    , m_web(web)
    , m_historyFile(historyFilePath)
    , m_box(new QComboBox(widgetParent))
    , m_goButton(new QToolButton(widgetParent))
    , m_typingGuard(new QTimer(this))
    , m_list(new HistoryListModel(m_model, this))
{
    setObjectName(QStringLiteral("addressBar"));
    m_typingGuard->setObjectName(QStringLiteral("Timer2"));
    m_typingGuard->setInterval(typingGuardMs);
    m_typingGuard->setSingleShot(true);
    setUpBox();
    setUpGoButton();
}

void AddressBar::setUpBox()
{
    m_box->setObjectName(QStringLiteral("text2"));
    m_box->setEditable(true);
    m_box->lineEdit()->setAccessibleName(tr("Address"));
    // The bar keeps the list and completes by its own rules.
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setCompleter(nullptr);
    // Measuring every entry for a size hint would make a long history slow to show; the window
    // sizes the box anyway.
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_box->setModel(m_list);
    if (auto *listView = qobject_cast<QListView *>(m_box->view()))
        listView->setUniformItemSizes(true);
    m_box->installEventFilter(this); // key events reach the box, which hands them to its line edit
    m_box->lineEdit()->installEventFilter(this);
    m_box->view()->window()->installEventFilter(this); // the drop-down list's popup
    connect(m_box, &QComboBox::activated, this, &AddressBar::listEntryActivated);
    // Named last: a screen reader that is listening asks the box about its line edit and list.
    m_box->setAccessibleName(tr("Address"));
}

void AddressBar::setUpGoButton()
{
    m_goButton->setObjectName(QStringLiteral("Command1"));
    m_goButton->setToolTip(tr("Go"));
    m_goButton->setAccessibleName(tr("Go"));
    m_goButton->setIcon(m_goButton->style()->standardIcon(QStyle::SP_ArrowRight));
    m_goButton->setAutoRaise(true);
    connect(m_goButton, &QToolButton::clicked, this, &AddressBar::submit);
}

QAbstractButton *AddressBar::goButton() const
{
    return m_goButton;
}

void AddressBar::loadHistory()
{
    readBox();
    m_list->setEntries(m_historyFile.load());
    keepTextOverListReset();
}

bool AddressBar::isTypingGuardOn() const
{
    return m_typingGuard->isActive();
}

void AddressBar::showPageAddress(const QString &url)
{
    if (isTypingGuardOn())
        return;
    m_model.setText(url);
    showBox();
}

void AddressBar::clearAllHistory()
{
    readBox();
    m_historyFile.clear();
    m_list->clear();
    keepTextOverListReset();
}

void AddressBar::keepTextOverListReset()
{
    // A reset list empties the combo box's text or puts its first entry there; the box is to keep
    // what it held, with no entry selected.
    m_box->setCurrentIndex(-1);
    showBox();
}

bool AddressBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box)
        return boxEvent(event);
    if (watched == m_box->lineEdit())
        return event->type() == QEvent::MouseButtonDblClick && doubleClicked();
    if (event->type() == QEvent::Show)
        m_model.listDroppedDown(); // the drop-down list's popup
    return false;
}

bool AddressBar::boxEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        closeListOnBoxInput();
        keyPressed(static_cast<const QKeyEvent *>(event));
        break;
    case QEvent::Wheel:
    case QEvent::FocusOut:
        closeListOnBoxInput();
        break;
    case QEvent::KeyRelease:
        keyReleased(static_cast<const QKeyEvent *>(event));
        break;
    default:
        break;
    }
    return false;
}

void AddressBar::closeListOnBoxInput()
{
    // The combo box hides its list before it reports the choice made there, so the list counts as
    // closed only once the box gets input of its own again: the keys, wheel turns and loss of focus
    // by which the closed box changes its entry.
    if (!m_box->view()->isVisible())
        m_model.listClosed();
}

void AddressBar::keyPressed(const QKeyEvent *event)
{
    m_keysDown.insert(event->key(), event->modifiers());
    // Restarted by every key press: the guard lasts until 5000 ms after the last one.
    if (producesCharacter(event))
        m_typingGuard->start();
}

void AddressBar::keyReleased(const QKeyEvent *event)
{
    // One release per key held down, as auto-repeat sends a release with every repeat.
    if (event->isAutoRepeat() || !m_keysDown.contains(event->key()))
        return;
    const Qt::KeyboardModifiers pressedWith = m_keysDown.take(event->key());
    readBox();
    const bool submitNow = m_model.keyReleased(releasedKey(event, pressedWith));
    showBox();
    if (submitNow)
        submit();
}

bool AddressBar::doubleClicked()
{
    readBox();
    if (!m_model.doubleClicked())
        return false; // the line edit selects the word under the pointer
    showBox();
    return true;
}

void AddressBar::listEntryActivated(int index)
{
    readBox();
    const std::optional<QString> address = m_model.listEntryChosen(index);
    showBox();
    if (address)
        m_web->navigate(*address);
}

void AddressBar::submit()
{
    readBox();
    const QString address = m_model.submitAddress();
    showBox();
    m_web->navigate(address);
    m_list->append(address);
    // A history file that cannot be written has no message; this window's list still has the entry.
    m_historyFile.addIfMissing(address);
    showBox(); // the first entry of an empty list becomes the combo box's current one
}

void AddressBar::readBox()
{
    const QLineEdit *edit = m_box->lineEdit();
    if (edit->hasSelectedText())
        m_model.setEdit(edit->text(), edit->selectionStart(), edit->selectionLength());
    else
        m_model.setEdit(edit->text(), edit->cursorPosition(), 0);
}

void AddressBar::showBox()
{
    const int listIndex = int(m_model.listIndex());
    if (listIndex >= 0 && m_box->currentIndex() != listIndex)
        m_box->setCurrentIndex(listIndex);
    QLineEdit *edit = m_box->lineEdit();
    if (edit->text() != m_model.text())
        edit->setText(m_model.text());
    if (m_model.selLength() > 0)
        edit->setSelection(int(m_model.selStart()), int(m_model.selLength()));
    else
        edit->setCursorPosition(int(m_model.selStart()));
}
