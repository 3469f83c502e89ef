// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/menutable.h"

#include <QAction>
#include <QMenu>

void addMenuRows(QMenu *menu, std::initializer_list<MenuRow> rows, QWidget *shortcutScope)
{
    for (const MenuRow &row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        QAction *action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
        action->setObjectName(QLatin1String(row.name));
        action->setShortcut(row.shortcut);
        action->setCheckable(row.flags & MenuRow::Checkable);
        action->setVisible(!(row.flags & MenuRow::Hidden));
        if (row.handler)
            QObject::connect(action, &QAction::triggered, action, row.handler);
        if (shortcutScope && !action->isSeparator()) {
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            shortcutScope->addAction(action);
        }
        if (row.entry)
            *row.entry = action;
    }
}
