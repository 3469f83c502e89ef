// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Workspace;

// The About window frmabt: the program's name, version and description, and the companion
// product Orbello's Surfkin with a button that opens its download page in a new browser window.
// One instance serves the whole program; OK, Enter and Esc only hide it, so it is shown again as
// it was left.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(Workspace &workspace, QWidget *parent = nullptr);

private:
    int toPixels(double twips) const;
    QRect toPixels(const QRectF &twips) const;
    void addProgramPanel();
    void addSeparator();
    void addCompanionFrame();

    Workspace &m_workspace;
};
