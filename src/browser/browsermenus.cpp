// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/browsermenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QMenu *addMenu(QWidget *window, const char *name, const QString &title)
{
    auto *menu = new QMenu(title, window);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *addEntry(QMenu *menu, const char *name, const QString &caption,
    const QKeySequence &shortcut = {}, bool checkable = false)
{
    QWidget *window = menu->parentWidget();
    auto *action = new QAction(caption, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setCheckable(checkable);
    menu->addAction(action);
    window->addAction(action);
    return action;
}

QAction *addSeparator(QMenu *menu)
{
    return menu->addSeparator();
}

} // namespace

BrowserMenus::BrowserMenus(QWidget *window)
{
    op1 = addMenu(window, "op1", QStringLiteral("&File"));
    newer = addEntry(op1, "newer", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_T));
    addSeparator(op1);
    opener = addEntry(op1, "opener", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    sav = addEntry(op1, "sav", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_I));
    savi = addEntry(
        op1, "savi", QStringLiteral("&Save with image"), QKeySequence(Qt::CTRL | Qt::Key_W));
    addSeparator(op1);
    editm = addEntry(op1, "editm", QStringLiteral("&Edit Mode"), {}, true);
    addSeparator(op1);
    printerset = addEntry(op1, "printerset", QStringLiteral("Print &Setup"));
    printer
        = addEntry(op1, "printer", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    addSeparator(op1);
    printer2 = addEntry(op1, "printer2", QStringLiteral("&Print source code"));
    printer2->setVisible(false);
    addSeparator(op1)->setVisible(false);
    proper = addEntry(op1, "proper", QStringLiteral("&Properties"));
    wkoff = addEntry(op1, "wkoff", QStringLiteral("&Work Offline"), {}, true);
    exiter = addEntry(op1, "exiter", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    op8 = addMenu(window, "op8", QStringLiteral("&View"));
    fuller
        = addEntry(op8, "fuller", QStringLiteral("&Full Screen"), QKeySequence(Qt::Key_F11), true);
    ss = addEntry(op8, "ss", QStringLiteral("Source &Code"));

    editer = addMenu(window, "editer", QStringLiteral("&Edit"));
    const struct
    {
        const char *caption;
        QKeySequence shortcut;
    } editEntries[] = {
        { "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z) },
        { "Redo", {} },
        { "-", {} },
        { "Cut", QKeySequence(Qt::CTRL | Qt::Key_X) },
        { "Copy", QKeySequence(Qt::CTRL | Qt::Key_C) },
        { "Paste", QKeySequence(Qt::CTRL | Qt::Key_V) },
        { "Delete", QKeySequence(Qt::Key_Delete) },
        { "-", {} },
        { "Select All", QKeySequence(Qt::CTRL | Qt::Key_A) },
        { "-", {} },
        { "Search", {} },
    };
    for (const auto &entry : editEntries) {
        const QString caption = QString::fromLatin1(entry.caption);
        QAction *action = caption == u"-" ? addSeparator(editer)
                                          : addEntry(editer, "mnuedit", caption, entry.shortcut);
        action->setData(int(mnuedit.size()));
        mnuedit.append(action);
    }

    opt = addMenu(window, "opt", QStringLiteral("&Options"));
    intpro = addEntry(opt, "intpro", QStringLiteral("&Internet Properties"));
    addSeparator(opt);
    opnewb = addEntry(opt, "opnewb", QStringLiteral("&Open new windows in background"), {}, true);

    h = addMenu(window, "h", QStringLiteral("History"));
    clearhist = addEntry(h, "clearhist", QStringLiteral("Clear All History"));

    win = addMenu(window, "win", QStringLiteral("&Windows"));
    cas = addEntry(win, "cas", QStringLiteral("&Cascade Windows"));
    ver = addEntry(win, "ver", QStringLiteral("&Tile Vertical"));
    hon = addEntry(win, "hon", QStringLiteral("&Tile Horizontal"));

    sel = addMenu(window, "sel", QStringLiteral("&Select"));

    h1 = addMenu(window, "h1", QStringLiteral("&Help"));
    abt = addEntry(h1, "abt", QStringLiteral("&About"));
}

QList<QMenu *> BrowserMenus::topLevel() const
{
    return { op1, op8, editer, opt, h, win, sel, h1 };
}

QList<QMenu *> BrowserMenus::layoutMenus() const
{
    return { op1, op8, editer, opt, win, sel, h1 };
}
