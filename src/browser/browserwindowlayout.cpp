// SPDX-License-Identifier: GPL-3.0-or-later
// Applying the layout calculation to the browser window's widgets: sizes go in as twips, the
// placements come back in twips and are turned into pixels once, here.
#include "browser/addressbar.h"
#include "browser/browserwindow.h"
#include "browser/core/browserlayout.h"
#include "browser/navigationtoolbar.h"
#include "browser/toolstoolbar.h"
#include "common/core/twips.h"

#include <QComboBox>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

namespace {

// Moves and sizes `widget` by the fields the layout set; the others keep their current values.
void place(QWidget *widget, const LayoutPlacement &placement, double dpi)
{
    QRect geometry = widget->geometry();
    if (placement.left)
        geometry.moveLeft(Twips::toPixels(*placement.left, dpi));
    if (placement.top)
        geometry.moveTop(Twips::toPixels(*placement.top, dpi));
    if (placement.width)
        geometry.setWidth(Twips::toPixels(*placement.width, dpi));
    if (placement.height)
        geometry.setHeight(Twips::toPixels(*placement.height, dpi));
    widget->setGeometry(geometry);
}

} // namespace

void BrowserWindow::layOut()
{
    const BrowserLayout layout = layOutBrowser(dockBarsAndMeasure());
    if (layout.maximizeWindow && frameWidget() != this && !frameWidget()->isMaximized()) {
        // The full-screen form fills the window as maximized: measure again once it is, so the
        // sizes taken before cannot undo that.
        frameWidget()->showMaximized();
        layOut();
        return;
    }
    applyLayout(layout);
}

BrowserLayoutInput BrowserWindow::dockBarsAndMeasure()
{
    const double dpi = logicalDpiX();
    const auto twips = [dpi](int pixels) { return float(Twips::fromPixels(pixels, dpi)); };

    // The docked bars take the window's width first, so the navigation bar has laid out its
    // buttons by the time their widths are read.
    const int tbarHeight = m_tbar->sizeHint().height();
    const int tbar2Height = m_tbar2->sizeHint().height();
    const int sbarHeight = m_sbar->sizeHint().height();
    m_tbar->setGeometry(0, 0, width(), tbarHeight);
    m_tbar2->setGeometry(0, tbarHeight, width(), tbar2Height);
    m_sbar->setGeometry(0, height() - sbarHeight, width(), sbarHeight);
    m_tbar->layout()->activate();

    BrowserLayoutInput input;
    input.innerWidth = twips(width());
    input.innerHeight = twips(height());
    input.tbarHeight = twips(tbarHeight);
    input.tbar2Height = twips(tbar2Height);
    input.sbarHeight = twips(sbarHeight);
    for (int index = 1; index <= NavigationToolbar::buttonCount; ++index)
        input.navigationButtonWidths[index - 1] = twips(m_tbar->entryWidth(index));
    input.goButtonWidth = twips(m_addressBar->goButton()->width());
    input.leaveButtonWidth = twips(m_command2->width());
    input.leaveButtonHeight = twips(m_command2->height());
    // The box is as tall as its font makes it; the Go button and the progress bar take the height
    // it really has.
    QComboBox *addressBox = m_addressBar->box();
    addressBox->resize(addressBox->width(), addressBox->sizeHint().height());
    input.addressBoxHeight = twips(addressBox->height());
    input.fullScreen = isFullScreen();
    input.progressBarReportedHeight = [dpi](float height) {
        return float(Twips::fromPixels(Twips::toPixels(height, dpi), dpi));
    };
    return input;
}

void BrowserWindow::applyLayout(const BrowserLayout &layout)
{
    const double dpi = logicalDpiX();
    QWidget *goButton = m_addressBar->goButton();
    QComboBox *addressBox = m_addressBar->box();
    m_tbar->setVisible(layout.barsVisible);
    m_tbar2->setVisible(layout.barsVisible);
    m_sbar->setVisible(layout.barsVisible);
    addressBox->setVisible(layout.barsVisible);
    goButton->setVisible(layout.barsVisible);
    m_command2->setVisible(layout.leaveButtonVisible);
    applyMenuVisibility(layout.menusVisible);

    place(m_web->widget(), layout.web, dpi);
    place(addressBox, layout.addressBox, dpi);
    place(m_probar, layout.progressBar, dpi);
    place(goButton, layout.goButton, dpi);
    place(m_command2, layout.leaveButton, dpi);
    setProgressBarBorder(layout.progressBarBorder);
}

void BrowserWindow::setProgressBarBorder(bool border)
{
    // Without its frame the bar lies flat over the page, beside the leave button.
    const QString sheet = border
        ? QString()
        : QStringLiteral("QProgressBar { border: none; background: palette(base); }");
    if (m_probar->styleSheet() != sheet)
        m_probar->setStyleSheet(sheet);
}

void BrowserWindow::applyMenuVisibility(bool visible)
{
    const QList<QMenu *> menus = m_menus.layoutMenus();
    if (menus.first()->menuAction()->isVisible() == visible)
        return;
    for (QMenu *menu : menus) {
        menu->menuAction()->setVisible(visible);
        // A hidden menu's shortcuts go quiet with it, so in full screen only the leave button
        // brings the bars back.
        for (QAction *action : menu->actions())
            action->setEnabled(visible);
    }
    emit menusChanged();
}
