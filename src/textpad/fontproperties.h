// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

class Dialogs;
class QWidget;
class RichTextControl;

// Font Properties: the font dialog filled from the selection's format and applied back to it, after
// OK and after Cancel alike. A property mixed over the selection leaves the dialog's previous
// value, which this window remembers. The dialog has no colour, so colour passes through as it was
// filled in; strikethrough and underline start from the selection and take what the dialog shows.
class FontProperties : public QObject
{
    Q_OBJECT
public:
    FontProperties(QWidget *window, RichTextControl *tb, Dialogs &dialogs, QObject *parent);

    void run();

private:
    void fillFromSelection();
    void applyToSelection();

    QWidget *m_window;
    RichTextControl *m_tb;
    Dialogs &m_dialogs;
    QFont m_font;
    QColor m_color;
};
