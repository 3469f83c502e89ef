// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/padmenus.h"

#include <QMainWindow>
#include <QMenuBar>

QMenu *PadMenus::addMenu(QMainWindow *window, const char *name, const QString &caption)
{
    QMenu *menu = window->menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}
