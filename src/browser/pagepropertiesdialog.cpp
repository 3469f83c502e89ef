// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/pagepropertiesdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

PagePropertiesDialog::PagePropertiesDialog(const QList<PageInfo::Line> &lines, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("pageProperties"));
    setWindowTitle(QStringLiteral("Properties"));
    auto *form = new QFormLayout;
    for (const PageInfo::Line &line : lines) {
        auto *value = new QLabel(line.value, this);
        value->setObjectName(line.label);
        // Named by its row's label; an accessible name would hide the value from screen readers.
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        form->addRow(line.label + u':', value);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
}
