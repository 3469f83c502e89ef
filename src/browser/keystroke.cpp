// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/keystroke.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Qt Gui's own entry to its shortcut map for a key that did not come from the window system; the
// same one Qt Test uses for simulated keys. Without it a sent key event never reaches shortcuts.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k,
    Qt::KeyboardModifiers mods, const QString &text = QString(), bool autorep = false,
    ushort count = 1);

namespace Keystroke {

void sendToFocus(QKeyCombination key)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    const int code = int(key.key());
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    if (qt_sendShortcutOverrideEvent(target, 0, code, modifiers))
        return;
    QKeyEvent press(QEvent::KeyPress, code, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace Keystroke
