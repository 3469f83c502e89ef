// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/searchbox.h"

#include <QMouseEvent>

SearchBox::SearchBox(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("searchbar"));
    setAccessibleName(QStringLiteral("Search"));

    QFont arial = font();
    arial.setFamilies({ QStringLiteral("Arial") });
    setFont(arial);

    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0, 0, 255));
    colours.setColor(QPalette::Base, QColor(255, 250, 238));
    setPalette(colours);
}

void SearchBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    if (start >= text().length())
        selectAll();
}
