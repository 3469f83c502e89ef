// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QRectF>
#include <functional>
#include <memory>

#include "textpad/documentcontroller.h"
#include "textpad/popupmenucontroller.h"

class EditCommands;
class FindPanel;
class FindReplace;
class FontProperties;
class Launcher;
class QLabel;
class QLineEdit;
class RichTextControl;
class WordCompletion;
class WordListWindow;
class Workspace;
struct PadMenus;

// The text pad window `pad`: one document in `tb`, its File, Edit, Insert and Format commands, a
// change monitor in the status bar and a context menu. Closing it only empties and hides it.
class TextPadWindow : public QMainWindow
{
    Q_OBJECT
public:
    TextPadWindow(
        Dialogs &dialogs, Workspace &workspace, Launcher &launcher, QWidget *parent = nullptr);
    ~TextPadWindow() override;

    RichTextControl *document() const { return m_tb; }
    // Loads a file given from outside (plain or rich text); false when it could not be read.
    bool openFile(const QString &path) { return m_documentController->openPath(path); }
    QString fileName() const;
    bool isSaved() const;

    // Where Time/Date reads the time.
    void setClock(std::function<QDateTime()> clock);
    void setPrinterSource(DocumentController::PrinterSource source);
    void setPopupPresenter(PopupMenuController::Presenter presenter);
    void setWordListWindow(WordListWindow *wordList);

    // Inserts the word chosen in the word-list window at the caret.
    void insertWord();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void createInsertFormatAndToolMenus();
    void createControls();
    void createEditors();
    void createStatusBar();
    void connectCommands();
    void applyLayout();
    bool isPadShortcut(QKeyCombination key) const;

    RichTextControl *m_tb;
    RichTextControl *m_tbtemp2; // scratch control the context menu reads the clipboard through
    QLineEdit *m_cl; // close-all signal box: "a" asks to save, then closes
    QWidget *m_client; // the area the pad's layout fills; the find bar lies below it
    FindPanel *m_findPanel;
    FindReplace *m_findReplace;
    QLabel *m_panel1;
    QLabel *m_panel2;
    std::unique_ptr<PadMenus> m_menus;
    DocumentController *m_documentController;
    EditCommands *m_commands;
    PopupMenuController *m_popup;
    FontProperties *m_fontProperties;
    WordCompletion *m_wordCompletion;
    QRectF m_textPlace; // pad units, kept where a new size would be negative
    double m_panel1Width = 5000;
};
