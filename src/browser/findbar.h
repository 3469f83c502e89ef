// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/findprogress.h"
#include "common/findpanel.h"

class WebControl;

// The find bar a browser window opens over its page with Ctrl+F: the text searched as it is typed,
// Next (Enter) and Previous (Shift+Enter), Match case, Wrap, and what was found; Esc closes it.
// It keeps to the top right corner of the page.
class FindBar : public FindPanel
{
    Q_OBJECT

public:
    FindBar(WebControl *web, QWidget *window);

    // Shows the bar with its text selected and the focus in it.
    void open();
    // Hides the bar, clears the highlighted matches and gives the focus back to the page.
    void dismiss();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void search(FindProgress::Direction direction);
    void restart();
    void onFindFinished(int matches, int activeMatch);
    void place();

    WebControl *m_web;
    FindProgress m_progress;
    FindProgress::Direction m_direction = FindProgress::Direction::Forward;
};
