// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/toolstoolbar.h"

#include "browser/core/searchaddress.h"
#include "browser/searchbox.h"
#include "browser/toolbarbuttons.h"
#include "browser/webcontrol/webcontrol.h"
#include "common/core/twips.h"
#include "common/dialogs.h"
#include "common/workspace.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QStyle>

namespace {

// Where the search box sits on the bar, in twips.
constexpr QRectF searchBoxPlace(1560, 5, 2175, 285);
constexpr int blankEntries = 3;

enum class Kind { Blank, Push, Check, Separator };
struct Entry
{
    Kind kind;
    const char *caption = ""; // as stored, trailing spaces included
    const char *toolTip = "";
    const char *themeIcon = nullptr; // no image when null
    QStyle::StandardPixmap fallbackIcon = QStyle::SP_CustomBase;
};

// The bar's entries in order, addressed by their 1-based index.
constexpr Entry entries[ToolsToolbar::buttonCount] = {
    // Nothing to do and nothing to show: the search box covers the blank ones.
    { Kind::Blank },
    { Kind::Blank },
    { Kind::Blank },
    { Kind::Push, "Search Engine", "Search the web", "system-search",
        QStyle::SP_FileDialogContentsView },
    { Kind::Push, "Find  ", "Find" },
    { Kind::Push, "Favourites   ", "Favourites", "bookmarks", QStyle::SP_DirLinkIcon },
    { Kind::Push, "History     ", "History", "document-open-recent",
        QStyle::SP_FileDialogDetailedView },
    { Kind::Separator },
    { Kind::Check, "Anti-Popups", "Block pop-up windows", "dialog-cancel",
        QStyle::SP_DialogCancelButton },
    { Kind::Separator },
};

} // namespace

ToolsToolbar::ToolsToolbar(
    WebControl *web, Dialogs &dialogs, Workspace &workspace, QMenu *historyMenu, QWidget *parent)
    : QToolBar(parent)
    , m_web(web)
    , m_dialogs(dialogs)
    , m_workspace(workspace)
    , m_historyMenu(historyMenu)
{
    ToolbarButtons::setUpBar(this, QStringLiteral("tbar2"), QStringLiteral("Tools"));

    addEntries();
    // Made after the entries so that it lies over the blank ones.
    m_searchBox = new SearchBox(this);
    placeSearchBox();

    connect(m_searchBox, &QLineEdit::returnPressed, this, &ToolsToolbar::search);
    connect(entry(SearchEngine), &QAction::triggered, this, &ToolsToolbar::search);
    connect(entry(Favourites), &QAction::triggered, this, &ToolsToolbar::showFavourites);
    connect(entry(History), &QAction::triggered, this, &ToolsToolbar::showHistoryMenu);
}

void ToolsToolbar::addEntries()
{
    for (const Entry &entry : entries) {
        if (entry.kind == Kind::Separator) {
            m_entries.append(addSeparator());
            continue;
        }
        const QIcon icon = entry.themeIcon
            ? ToolbarButtons::icon(this, entry.themeIcon, entry.fallbackIcon)
            : QIcon();
        QAction *action = ToolbarButtons::addButton(
            this, icon, QString::fromLatin1(entry.caption), QString::fromLatin1(entry.toolTip));
        action->setEnabled(entry.kind != Kind::Blank);
        if (entry.kind == Kind::Blank)
            widgetForAction(action)->setAccessibleName(QStringLiteral("Blank"));
        action->setCheckable(entry.kind == Kind::Check);
        m_entries.append(action);
    }

    for (int index = 1; index <= buttonCount; ++index)
        entry(index)->setObjectName(QStringLiteral("tbar2_%1").arg(index));
}

void ToolsToolbar::placeSearchBox()
{
    const QRect place(Twips::toPixels(searchBoxPlace.left(), logicalDpiX()),
        Twips::toPixels(searchBoxPlace.top(), logicalDpiY()),
        Twips::toPixels(searchBoxPlace.width(), logicalDpiX()),
        Twips::toPixels(searchBoxPlace.height(), logicalDpiY()));
    m_searchBox->setGeometry(place);

    // The blank entries together reach at least to the box's right edge, so "Search Engine" and
    // the buttons after it start clear of the box.
    const int blankWidth = (place.right() + 1 + blankEntries - 1) / blankEntries;
    for (int index = 1; index <= blankEntries; ++index)
        widgetForAction(entry(index))->setFixedWidth(blankWidth);
}

QAction *ToolsToolbar::entry(int index) const
{
    return m_entries.value(index - 1);
}

bool ToolsToolbar::popupBlocking() const
{
    return entry(AntiPopups)->isChecked();
}

void ToolsToolbar::search()
{
    const QString phrase = m_searchBox->text();
    if (phrase.isEmpty()) {
        m_dialogs.error(window(), QStringLiteral("Nothing in search field!"));
        return;
    }
    if (m_web)
        m_web->navigate(searchAddress(phrase));
}

void ToolsToolbar::showFavourites()
{
    if (m_web)
        m_workspace.showFavourites(m_web->locationName(), m_web->locationUrl());
}

void ToolsToolbar::showHistoryMenu()
{
    if (m_historyMenu)
        m_historyMenu->popup(QCursor::pos());
}
