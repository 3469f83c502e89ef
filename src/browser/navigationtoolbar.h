// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolBar>

// The navigation toolbar tbar: eight entries numbered from 1, the separators at 1 and 7 included,
// so Back is 2 and the Address button 8.
class NavigationToolbar : public QToolBar
{
    Q_OBJECT

public:
    enum Index { Back = 2, Forward = 3, Home = 4, Stop = 5, Refresh = 6, Address = 8 };
    static constexpr int buttonCount = 8;

    explicit NavigationToolbar(QWidget *parent = nullptr);

    // The entry at a 1-based index (a separator's action for 1 and 7).
    QAction *entry(int index) const;
    // The width the entry takes on the bar, in pixels.
    int entryWidth(int index) const;

signals:
    void buttonClicked(int index);

private:
    QList<QAction *> m_entries;
};
