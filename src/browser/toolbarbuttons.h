// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStyle>

class QAction;
class QIcon;
class QToolBar;

// What the browser window's two toolbars have in common: a fixed bar with captions under the
// pictures, and buttons that keep their captions as stored and can be reached with Tab.
namespace ToolbarButtons {

// A bar docked by the window itself: it can be neither moved nor floated.
void setUpBar(QToolBar *bar, const QString &objectName, const QString &accessibleName);

// The theme's picture `themeName`, or the style's `fallback` where the theme has none.
QIcon icon(const QToolBar *bar, const char *themeName, QStyle::StandardPixmap fallback);

// Adds a button showing `caption` as stored, trailing spaces included. An empty `toolTip` means
// the button shows none, rather than repeating its caption.
QAction *addButton(
    QToolBar *bar, const QIcon &icon, const QString &caption, const QString &toolTip);

} // namespace ToolbarButtons
