// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/pageinfo.h"

#include <QDialog>

// The Properties dialog of a page: one line per fact, the values selectable for copying.
class PagePropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    // Each value is a label named after its line, so screen readers and tests find it.
    PagePropertiesDialog(const QList<PageInfo::Line> &lines, QWidget *parent = nullptr);
};
