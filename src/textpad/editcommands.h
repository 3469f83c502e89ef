// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class Launcher;
class QAction;
class QWidget;
class RichTextControl;
class Workspace;

// The pad's editing commands: clipboard, Time/Date, bullets over the whole document and opening
// the selected address.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    EditCommands(QWidget *window, RichTextControl *tb, QAction *bul, Launcher &launcher,
        Workspace &workspace, QObject *parent);

    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    void selectAll();
    void copy();
    void cut(); // the text reaches the clipboard before it leaves the document
    void paste(); // plain text only, whatever formats the clipboard offers
    void clearClipboard();
    void insertDateTime();
    // Bullets on or off for the whole document, as the paragraph at the caret decides.
    void toggleBullets();
    // Opens the selected address in the user's default browser, or else in the first browser
    // window; either way the first browser window comes to the front with the focus.
    void browse();

private:
    void focusFirstBrowserWindow(const QString &address);

    QWidget *m_window;
    RichTextControl *m_tb;
    QAction *m_bul;
    Launcher &m_launcher;
    Workspace &m_workspace;
    std::function<QDateTime()> m_clock;
};
