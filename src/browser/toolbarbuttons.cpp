// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/toolbarbuttons.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>

namespace ToolbarButtons {

void setUpBar(QToolBar *bar, const QString &objectName, const QString &accessibleName)
{
    bar->setObjectName(objectName);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setAccessibleName(accessibleName);
}

QIcon icon(const QToolBar *bar, const char *themeName, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(themeName), bar->style()->standardIcon(fallback));
}

QAction *addButton(QToolBar *bar, const QIcon &icon, const QString &caption, const QString &toolTip)
{
    QAction *action = bar->addAction(icon, caption);
    // The bar would otherwise show the caption trimmed.
    action->setIconText(caption);
    QWidget *button = bar->widgetForAction(action);
    // A toolbar's buttons take no focus by default, which leaves a keyboard user without Back,
    // Search Engine or Anti-Popups: none of them has a menu entry.
    button->setFocusPolicy(Qt::TabFocus);
    if (!toolTip.isEmpty()) {
        action->setToolTip(toolTip);
    } else {
        // An action without a tool tip lends its button its caption as one; the button takes it
        // again whenever the action changes, so it is cleared after every change.
        button->setToolTip(QString());
        QObject::connect(
            action, &QAction::changed, button, [button] { button->setToolTip(QString()); });
    }
    return action;
}

} // namespace ToolbarButtons
