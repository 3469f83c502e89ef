// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favourites/core/favouritesstore.h"

#include <QWidget>

class Dialogs;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Workspace;

// The favourites manager `frmfav`: keeps named addresses, lets the user add the page a browser
// window shows, delete an entry, take one out for editing, and open one in a new browser window.
// It reads the favourites file when it is created, writes it after each committed change and when
// it closes, and deletes itself once closed; the program makes a fresh one at the next use.
class FavouritesWindow : public QWidget
{
    Q_OBJECT

public:
    FavouritesWindow(Dialogs &dialogs, Workspace &workspace, const QString &dataFilePath,
        QWidget *parent = nullptr);

    // Puts a page's title and address into the edit boxes, ready to be added.
    void fill(const QString &name, const QString &address);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectControls();
    void placeControls();
    void setTabOrderAndNames();
    QPushButton *makeButton(const char *objectName, const QString &caption);

    void add();
    void deleteSelected();
    void rename();
    void openSelected();

    void showLists();
    void followSelection();

    Dialogs &m_dialogs;
    Workspace &m_workspace;
    FavouritesStore m_store;
    bool m_toldLoadFailed = false;

    QLabel *m_label1 = nullptr; // "Name:"
    QLabel *m_label2 = nullptr; // "Url:"
    QLineEdit *m_txtname = nullptr;
    QLineEdit *m_txturl = nullptr;
    QPushButton *m_command1 = nullptr; // Add
    QListWidget *m_namelist = nullptr;
    QListWidget *m_urllist = nullptr; // the addresses, kept in step with the names, never shown
    QPushButton *m_command2 = nullptr; // Delete
    QPushButton *m_command3 = nullptr; // Rename
    QPushButton *m_command4 = nullptr; // Go!
    QFrame *m_line1 = nullptr; // rule under the edit boxes
};
