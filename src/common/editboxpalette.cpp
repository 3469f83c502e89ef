// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/editboxpalette.h"

#include <QWidget>

void paintAsEditBox(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    palette.setColor(QPalette::Base, QColor(255, 250, 238));
    widget->setPalette(palette);
}
