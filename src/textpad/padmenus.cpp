// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/padmenus.h"

#include <QMainWindow>
#include <QMenuBar>

namespace {
QMenu *menu(QMainWindow *window, const char *name, const QString &caption)
{
    QMenu *m = window->menuBar()->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    return m;
}

QAction *entry(
    QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *separator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}
} // namespace

PadMenus::PadMenus(QMainWindow *window)
    : ext(menu(window, "ext", QStringLiteral("&File")))
    , newer(entry(ext, "newer", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)))
{
    separator(ext, "ex1");
    op = entry(ext, "op", QStringLiteral("&Open"));
    sav = entry(ext, "sav", QStringLiteral("&Save"));
    sav2 = entry(ext, "sav2", QStringLiteral("Save &As"));
    separator(ext, "ex3");
    pri = entry(ext, "pri", QStringLiteral("P&rint"));
    separator(ext, "hh");
    bye = entry(ext, "bye", QStringLiteral("&Exit"));

    u2 = window->menuBar()->addAction(QStringLiteral("&Edit"));
    u2->setObjectName(QStringLiteral("u2"));

    po = menu(window, "po", QStringLiteral("&Edit"));
    po->menuAction()->setVisible(false);
    selall = entry(po, "selall", QStringLiteral("&Select All"));
    op55 = separator(po, "op55");
    cop = entry(po, "cop", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    cu = entry(po, "cu", QStringLiteral("&Cut"));
    pas = entry(po, "pas", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_P));
    op66 = separator(po, "op66");
    brows = entry(po, "brows", QStringLiteral("&Browse This URL"));
    sear = entry(po, "sear", QStringLiteral("S&earch This Phrase"));
    op77 = separator(po, "op77");
    clclip = entry(po, "clclip", QStringLiteral("&Clear Clipboard"));
    // The pop-up's shortcuts work while it is closed because the window holds them too.
    window->addActions({ cop, pas });

    u4 = menu(window, "u4", QStringLiteral("&Insert"));
    td = entry(u4, "td", QStringLiteral("Time/Date"));
    bul = entry(u4, "bul", QStringLiteral("&Bulltets"));
    bul->setCheckable(true);

    u1 = menu(window, "u1", QStringLiteral("&Format"));
    fp = entry(u1, "fp", QStringLiteral("Font &Properties"), QKeySequence(Qt::CTRL | Qt::Key_F));

    toa = menu(window, "toa", QStringLiteral("&Tool"));
    toa->menuAction()->setVisible(false);
    autoword = entry(toa, "autoword", QStringLiteral("&Auto Complete Word"));
    autoword->setCheckable(true);
    autoword->setVisible(false);
    scical = entry(toa, "scical", QStringLiteral("&Scientific Calculator"));
}
