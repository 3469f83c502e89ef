// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/findpanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton *makeButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setAccessibleName(text);
    button->setAutoRaise(true);
    return button;
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLineEdit *makeField(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setPlaceholderText(accessibleName);
    field->setClearButtonEnabled(true);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 16);
    return field;
}

void addRow(QGridLayout *layout, int row, std::initializer_list<QWidget *> widgets)
{
    int column = 0;
    for (QWidget *widget : widgets) {
        if (widget)
            layout->addWidget(widget, row, column);
        ++column;
    }
}

} // namespace

FindPanel::FindPanel(Features features, QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    createControls(features);
    connectControls();
    hide();
}

void FindPanel::createControls(Features features)
{
    m_text = makeField(this, "findText", QStringLiteral("Find"));
    m_matchCase = makeCheckBox(this, "findMatchCase", QStringLiteral("Match case"));
    if (features.testFlag(Feature::WholeWords))
        m_wholeWords = makeCheckBox(this, "findWholeWords", QStringLiteral("Whole words"));
    m_wrap = makeCheckBox(this, "findWrap", QStringLiteral("Wrap"));
    m_wrap->setChecked(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    // No accessible name, which would hide the result from screen readers.
    QToolButton *previous = makeButton(this, "findPrevious", QStringLiteral("Previous"));
    QToolButton *next = makeButton(this, "findNext", QStringLiteral("Next"));
    QToolButton *close = makeButton(this, "findClose", QStringLiteral("Close"));
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    connect(previous, &QToolButton::clicked, this, &FindPanel::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindPanel::findNext);
    connect(close, &QToolButton::clicked, this, &FindPanel::dismissed);

    layOut(features.testFlag(Feature::Replace), { previous, next, close });
}

void FindPanel::layOut(bool replaces, const QList<QWidget *> &buttons)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setVerticalSpacing(2);
    layout->setColumnStretch(0, 1);
    QWidget *previous = buttons[0];
    QWidget *next = buttons[1];
    QWidget *close = buttons[2];
    if (!replaces) {
        // One row, as narrow as it can be: the bar lies over a corner of the page.
        addRow(layout, 0,
            { m_text, previous, next, m_matchCase, m_wholeWords, m_wrap, m_status, close });
        return;
    }
    // The width of a window: the two texts with their buttons, then the options and the result.
    addRow(layout, 0, { m_text, previous, next, close });
    createReplaceRow(layout);
    auto *options = new QHBoxLayout;
    for (QWidget *option : { m_matchCase, m_wholeWords, m_wrap }) {
        if (option)
            options->addWidget(option);
    }
    options->addWidget(m_status, 1);
    layout->addLayout(options, 2, 0, 1, 4);
}

void FindPanel::createReplaceRow(QGridLayout *layout)
{
    m_replacement = makeField(this, "replaceText", QStringLiteral("Replace with"));
    QToolButton *one = makeButton(this, "replaceOne", QStringLiteral("Replace"));
    QToolButton *all = makeButton(this, "replaceAll", QStringLiteral("Replace All"));
    connect(one, &QToolButton::clicked, this, &FindPanel::replace);
    connect(all, &QToolButton::clicked, this, &FindPanel::replaceAll);
    connect(m_replacement, &QLineEdit::returnPressed, this, &FindPanel::replace);
    addRow(layout, 1, { m_replacement, one, all });
}

void FindPanel::connectControls()
{
    connect(m_text, &QLineEdit::textEdited, this, &FindPanel::criteriaChanged);
    connect(m_text, &QLineEdit::returnPressed, this, &FindPanel::findNext);
    connect(m_matchCase, &QCheckBox::toggled, this, &FindPanel::criteriaChanged);
    if (m_wholeWords)
        connect(m_wholeWords, &QCheckBox::toggled, this, &FindPanel::criteriaChanged);
    auto *previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, &FindPanel::findPrevious);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindPanel::dismissed);
}

QString FindPanel::text() const
{
    return m_text->text();
}

QString FindPanel::replacement() const
{
    return m_replacement ? m_replacement->text() : QString();
}

bool FindPanel::matchCase() const
{
    return m_matchCase->isChecked();
}

bool FindPanel::wholeWords() const
{
    return m_wholeWords && m_wholeWords->isChecked();
}

bool FindPanel::wrap() const
{
    return m_wrap->isChecked();
}

void FindPanel::setStatus(const QString &status)
{
    m_status->setText(status);
}

void FindPanel::setPlaceholderText(const QString &text)
{
    m_text->setPlaceholderText(text);
}

void FindPanel::reserveStatusWidth(const QString &longest)
{
    m_status->setMinimumWidth(fontMetrics().horizontalAdvance(longest));
}

void FindPanel::open()
{
    show();
    raise();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}
