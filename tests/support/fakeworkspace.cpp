// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeworkspace.h"

QWidget *FakeWorkspace::openBrowserWindow(const QString &address)
{
    openedBrowserAddresses.append(address);
    return makeBrowser ? makeBrowser(address) : nullptr;
}

WebControl *FakeWorkspace::openPageWindow(QWidget *opener, PageWindowPlace place)
{
    pageWindows.append({ opener, place });
    return pageWindowControl;
}

QWidget *FakeWorkspace::showFirstBrowserWindow(const QString &address)
{
    firstWindowAddresses.append(address);
    return makeBrowser ? makeBrowser(address) : nullptr;
}

void FakeWorkspace::showFavourites(const QString &name, const QString &address)
{
    favouritesShown.append({ name, address });
}

QWidget *FakeWorkspace::openTextPad(const QString &text)
{
    textPads.append(text);
    return makeTextPad ? makeTextPad(text) : nullptr;
}
