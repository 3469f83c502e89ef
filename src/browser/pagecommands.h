// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class Dialogs;
class FindBar;
class QPrinter;
class QWidget;
class WebControl;
class Workspace;

// The commands a browser window's File, View, Edit and Options menus apply to its page beyond a
// single call of the control: open, save, save with images, print setup, print, properties, source
// code, Internet Properties, search, and the find bar on Ctrl+F. Failures are ignored, except a
// save that could not be written, which the user is told about.
class PageCommands : public QObject
{
    Q_OBJECT

public:
    PageCommands(WebControl *web, Dialogs &dialogs, Workspace &workspace, QWidget *window);
    ~PageCommands() override;

    void open();
    void save();
    void saveWithImages();
    void printSetup();
    void print();
    void showProperties();
    void viewSource();
    void showInternetProperties();
    void search();

private:
    void writeMarkup(const QString &path, const QString &markup);
    QPrinter *printer();

    WebControl *m_web;
    Dialogs &m_dialogs;
    Workspace &m_workspace;
    QWidget *m_window;
    FindBar *m_findBar;
    // This window's printer: Print Setup changes it, Print uses it. Made on first use, since
    // asking the system for its printers takes a while.
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false; // the engine holds the printer until printFinished
};
