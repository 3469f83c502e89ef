// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/searchbox.h"

#include "common/editboxpalette.h"

#include <QMouseEvent>

SearchBox::SearchBox(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("searchbar"));
    setAccessibleName(QStringLiteral("Search"));

    QFont arial = font();
    arial.setFamilies({ QStringLiteral("Arial") });
    setFont(arial);

    paintAsEditBox(this);
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
