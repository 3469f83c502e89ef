// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/core/pageinfo.h"

#include <QDialog>

// The Properties dialog of a page: one line per fact, the values selectable for copying.
class PagePropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    PagePropertiesDialog(const QList<PageInfo::Line> &lines, QWidget *parent = nullptr);

    // The value shown for `label`, empty when there is no such line.
    QString value(const QString &label) const;
};
