// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMenu;
class RichTextControl;
struct PadMenus;

// Prepares the context menu `po` for the current selection, document and clipboard, then pops it up
// at the mouse pointer. A menu left with no visible entry is disabled and not shown.
class PopupMenuController : public QObject
{
    Q_OBJECT
public:
    using Presenter = std::function<void(QMenu *)>;

    PopupMenuController(
        PadMenus &menus, RichTextControl *tb, RichTextControl *tbtemp2, QObject *parent);

    void popUp();
    // How the prepared menu is shown; a modal menu at the pointer unless a test says otherwise.
    void setPresenter(Presenter presenter) { m_presenter = std::move(presenter); }

private:
    QString clipboardText();

    PadMenus &m_menus;
    RichTextControl *m_tb;
    RichTextControl *m_tbtemp2;
    Presenter m_presenter;
};
