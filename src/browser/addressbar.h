// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/addressboxmodel.h"
#include "browser/core/historyfile.h"

#include <QHash>
#include <QObject>

class HistoryListModel;
class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QTimer;
class QToolButton;
class WebControl;

// A browser window's address bar: the address box `text2` with its history drop-down, the Go button
// `Command1` and the typing guard `Timer2`. The window places the widgets and tells it when to load
// the history, when a page completed and when the history is to be cleared.
class AddressBar : public QObject
{
    Q_OBJECT

public:
    AddressBar(WebControl *web, const QString &historyFilePath, QWidget *widgetParent);

    QComboBox *box() const { return m_box; }
    QAbstractButton *goButton() const;

    // Fills the drop-down from history.txt; a missing or unreadable file leaves it empty.
    void loadHistory();
    // On for 5000 ms after the last key press in the box.
    bool isTypingGuardOn() const;
    // A finished page's address, shown unless the user is typing.
    void showPageAddress(const QString &url);
    // Deletes history.txt and empties this window's list; the box keeps its text.
    void clearAllHistory();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpBox();
    void setUpGoButton();
    bool boxEvent(QEvent *event);
    void closeListOnBoxInput();
    void keyPressed(const QKeyEvent *event);
    void keyReleased(const QKeyEvent *event);
    bool doubleClicked();
    void listEntryActivated(int index);
    void submit();
    void keepTextOverListReset();
    void readBox();
    void showBox();

    WebControl *m_web;
    HistoryFile m_historyFile;
    AddressBoxModel m_model;
    QComboBox *m_box; // text2
    QToolButton *m_goButton; // Command1
    QTimer *m_typingGuard; // Timer2
    HistoryListModel *m_list;
    // Keys pressed in the box and not yet released there, with the modifiers held when they went
    // down: the release of an Enter that chose an entry in the drop-down list lands in the box and
    // must not submit again, and an A released after its Ctrl is still part of Ctrl+A.
    QHash<int, Qt::KeyboardModifiers> m_keysDown;
};
