// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/browsermenus.h"

#include <QMenu>
#include <QWidget>

QMenu *BrowserMenus::addMenu(QWidget *window, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, window);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QList<QMenu *> BrowserMenus::topLevel() const
{
    return { op1, op8, editer, opt, h, win, sel, h1 };
}

QList<QMenu *> BrowserMenus::layoutMenus() const
{
    return { op1, op8, editer, opt, win, sel, h1 };
}
