// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/core/textsearch.h"

#include <QObject>

class FindPanel;
class RichTextControl;

// The pad's find and replace bar at work on the document: each match found is selected, Replace
// replaces the selection when it is a match and goes on to the next, Replace All replaces every
// match in one step that one Undo takes back.
class FindReplace : public QObject
{
    Q_OBJECT
public:
    FindReplace(RichTextControl *tb, FindPanel *panel, QObject *parent);

    void open();
    // F3 and Shift+F3: the bar's text, or the bar itself while it has none.
    void find(textpad::SearchDirection direction);
    void replace();
    void replaceAll();

private:
    void search(textpad::SearchDirection direction, int from);
    void dismiss();
    textpad::SearchOptions options() const;

    RichTextControl *m_tb;
    FindPanel *m_panel;
};
