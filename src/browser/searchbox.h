// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// The search box searchbar on the tools toolbar: Arial, blue on light cream. A click at or after
// the end of the phrase selects the whole phrase, so the next typing replaces it; a click inside
// the phrase places the caret as usual.
class SearchBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit SearchBox(QWidget *parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
