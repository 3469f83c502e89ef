// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The look of the program's entry boxes and lists: blue text on a cream ground.
void paintAsEditBox(QWidget *widget);
