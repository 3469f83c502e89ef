// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/editcommands.h"

#include "common/launcher.h"
#include "common/workspace.h"
#include "textpad/core/documentrules.h"
#include "textpad/richtext/richtextcontrol.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QWidget>

EditCommands::EditCommands(QWidget *window, RichTextControl *tb, QAction *bul, Launcher &launcher,
    Workspace &workspace, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_tb(tb)
    , m_bul(bul)
    , m_launcher(launcher)
    , m_workspace(workspace)
    , m_clock(&QDateTime::currentDateTime)
{
}

void EditCommands::selectAll()
{
    m_tb->setSelStart(0);
    m_tb->setSelLength(m_tb->document()->characterCount());
}

void EditCommands::copy()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_tb->selClipboardText());
}

void EditCommands::cut()
{
    copy();
    m_tb->setSelText(QString());
}

void EditCommands::paste()
{
    // The control takes rich or plain text from the clipboard as plain text, and nothing else.
    if (m_tb->canPaste())
        m_tb->paste();
}

void EditCommands::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void EditCommands::insertDateTime()
{
    m_tb->setSelText(textpad::dateTimeText(m_clock(), QLocale::system()));
}

void EditCommands::toggleBullets()
{
    const int oldStart = m_tb->selStart();
    const bool addBullets = m_tb->selBullet() == std::optional<bool>(false);
    selectAll();
    m_tb->setSelBullet(addBullets);
    m_bul->setChecked(addBullets);
    m_tb->setSelStart(oldStart);
}

void EditCommands::browse()
{
    const QString address = m_tb->selText();
    QPointer<EditCommands> self(this);
    m_launcher.openInDefaultBrowser(address, [self, address] {
        if (self)
            self->focusFirstBrowserWindow(address);
    });
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    focusFirstBrowserWindow({});
}

void EditCommands::focusFirstBrowserWindow(const QString &address)
{
    if (QWidget *browser = m_workspace.showFirstBrowserWindow(address))
        browser->activateWindow();
}
