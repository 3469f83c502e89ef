// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/accessiblenames.h"

#include <QAccessible>

namespace {

bool isInteractive(QAccessible::Role role)
{
    static const QList<QAccessible::Role> interactive { QAccessible::PushButton,
        QAccessible::ButtonMenu, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox, QAccessible::EditableText, QAccessible::ProgressBar,
        QAccessible::List, QAccessible::MenuItem };
    return interactive.contains(role);
}

void collectUnnamed(QAccessibleInterface *node, const QString &path, QStringList &unnamed)
{
    if (!node || node->state().invisible)
        return;
    const QString here = path + u'/' + (node->object() ? node->object()->objectName() : QString())
        + u'(' + QString::number(node->role(), 16) + u')';
    if (isInteractive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(here);
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed);
}

} // namespace

QStringList unnamedInteractiveControls(QObject *root)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(root), QString(), unnamed);
    return unnamed;
}
