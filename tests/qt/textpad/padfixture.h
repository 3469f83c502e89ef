// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fakelauncher.h"
#include "support/fakeworkspace.h"
#include "support/scripteddialogs.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/textpadwindow.h"

#include <QAction>
#include <QTest>

// A text pad whose dialogs are scripted and whose workspace and launcher only record.
struct PadFixture
{
    ScriptedDialogs dialogs;
    FakeWorkspace workspace;
    FakeLauncher launcher;
    TextPadWindow window { dialogs, workspace, launcher };

    RichTextControl *tb() const { return window.document(); }
    void trigger(const QString &name) const { window.findChild<QAction *>(name)->trigger(); }
    void setText(const QString &text, int selStart = 0, int selLength = 0) const
    {
        tb()->setText(text);
        tb()->setSelStart(selStart);
        tb()->setSelLength(selLength);
    }
    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};
