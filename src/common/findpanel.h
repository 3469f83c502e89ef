// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;

// The controls of a find bar, shared by the browser window and the text pad: the text to find,
// Previous and Next, Match case, optionally Whole words, Wrap, the result, Close, and optionally a
// second row with the replacement, Replace and Replace All. Enter finds the next match, Shift+Enter
// the previous one, Esc closes. The owner does the searching and places the panel.
class FindPanel : public QFrame
{
    Q_OBJECT
public:
    enum class Feature { WholeWords = 1, Replace = 2 };
    Q_DECLARE_FLAGS(Features, Feature)

    FindPanel(Features features, QWidget *parent);

    QString text() const;
    QString replacement() const;
    bool matchCase() const;
    bool wholeWords() const;
    bool wrap() const;
    void setStatus(const QString &status);
    void setPlaceholderText(const QString &text);
    // Keeps room for the longest result, so the panel does not change its width while searching.
    void reserveStatusWidth(const QString &longest);

    // Shows the panel with its text selected and the focus in it.
    void open();

signals:
    // The text was edited, or Match case or Whole words changed: a new search begins.
    void criteriaChanged();
    void findNext();
    void findPrevious();
    void replace();
    void replaceAll();
    // Esc or Close: the owner hides the panel and takes the focus back.
    void dismissed();

private:
    void createControls(Features features);
    // `buttons`: Previous, Next and Close.
    void layOut(bool replaces, const QList<QWidget *> &buttons);
    void createReplaceRow(QGridLayout *layout);
    void connectControls();

    QLineEdit *m_text = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWords = nullptr;
    QCheckBox *m_wrap = nullptr;
    QLabel *m_status = nullptr;
    QLineEdit *m_replacement = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(FindPanel::Features)
