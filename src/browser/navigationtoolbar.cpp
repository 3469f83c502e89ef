// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/navigationtoolbar.h"

#include "browser/toolbarbuttons.h"

#include <QAction>
#include <QLayout>
#include <QStyle>

NavigationToolbar::NavigationToolbar(QWidget *parent)
    : QToolBar(parent)
{
    ToolbarButtons::setUpBar(this, QStringLiteral("tbar"), QStringLiteral("Navigation"));

    const struct
    {
        const char *caption; // as stored, trailing spaces included
        const char *toolTip;
        const char *themeIcon;
        QStyle::StandardPixmap fallback;
    } buttons[] = {
        { "Back  ", "Back", "go-previous", QStyle::SP_ArrowBack },
        { "Forward", "Forward", "go-next", QStyle::SP_ArrowForward },
        { "Home ", "Home", "go-home", QStyle::SP_DirHomeIcon },
        { "Stop  ", "Stop", "process-stop", QStyle::SP_BrowserStop },
        { "Refresh", "Refresh", "view-refresh", QStyle::SP_BrowserReload },
    };

    m_entries.append(addSeparator());
    for (const auto &button : buttons) {
        m_entries.append(ToolbarButtons::addButton(this,
            ToolbarButtons::icon(this, button.themeIcon, button.fallback),
            QString::fromLatin1(button.caption), QString::fromLatin1(button.toolTip)));
    }
    m_entries.append(addSeparator());
    // The Address button has no tool tip.
    m_entries.append(ToolbarButtons::addButton(this,
        ToolbarButtons::icon(this, "go-jump", QStyle::SP_DriveNetIcon), QStringLiteral("Address"),
        QString()));

    for (int index = 1; index <= buttonCount; ++index) {
        QAction *action = m_entries.at(index - 1);
        action->setObjectName(QStringLiteral("tbar_%1").arg(index));
        if (!action->isSeparator())
            connect(
                action, &QAction::triggered, this, [this, index] { emit buttonClicked(index); });
    }
}

QAction *NavigationToolbar::entry(int index) const
{
    return m_entries.value(index - 1);
}

int NavigationToolbar::entryWidth(int index) const
{
    // Measured from the laid-out bar, so margins and spacing count: the widths then add up to the
    // place where the address box can start.
    QWidget *widget = widgetForAction(entry(index));
    if (!widget)
        return 0;
    if (widget->width() <= 0 || !layout())
        return widget->sizeHint().width();
    const int left = index == 1 ? 0 : widget->x();
    if (index == buttonCount)
        return widget->geometry().right() + 1 + layout()->spacing() - left;
    return widgetForAction(entry(index + 1))->x() - left;
}
