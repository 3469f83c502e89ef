// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/findbar.h"

#include "browser/webcontrol/webcontrol.h"

#include <QCheckBox>
#include <QEvent>
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

} // namespace

FindBar::FindBar(WebControl *web, QWidget *window)
    : QFrame(window)
    , m_web(web)
{
    setObjectName(QStringLiteral("findBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    createControls();
    connectControls();
    hide();
    m_web->widget()->installEventFilter(this);
}

void FindBar::createControls()
{
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setAccessibleName(QStringLiteral("Find"));
    m_text->setPlaceholderText(QStringLiteral("Find in page"));
    m_text->setClearButtonEnabled(true);
    m_previous = makeButton(this, "findPrevious", QStringLiteral("Previous"));
    m_next = makeButton(this, "findNext", QStringLiteral("Next"));
    m_matchCase = new QCheckBox(QStringLiteral("Match case"), this);
    m_matchCase->setObjectName(QStringLiteral("findMatchCase"));
    m_wrap = new QCheckBox(QStringLiteral("Wrap"), this);
    m_wrap->setObjectName(QStringLiteral("findWrap"));
    m_wrap->setChecked(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_status->setAccessibleName(QStringLiteral("Find result"));
    m_status->setMinimumWidth(fontMetrics().horizontalAdvance(FindProgress::reachedEnd));
    m_close = makeButton(this, "findClose", QStringLiteral("Close"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    for (QWidget *widget : std::initializer_list<QWidget *> {
             m_text, m_previous, m_next, m_matchCase, m_wrap, m_status, m_close })
        layout->addWidget(widget);
}

void FindBar::connectControls()
{
    using Direction = FindProgress::Direction;
    connect(m_text, &QLineEdit::textEdited, this, [this] {
        restart();
        search(Direction::Forward);
    });
    connect(m_text, &QLineEdit::returnPressed, this, [this] { search(Direction::Forward); });
    connect(m_next, &QToolButton::clicked, this, [this] { search(Direction::Forward); });
    connect(m_previous, &QToolButton::clicked, this, [this] { search(Direction::Backward); });
    connect(m_matchCase, &QCheckBox::toggled, this, [this] {
        restart();
        search(Direction::Forward);
    });
    connect(m_close, &QToolButton::clicked, this, &FindBar::dismiss);
    auto *previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { search(Direction::Backward); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::dismiss);
    connect(m_web, &WebControl::findFinished, this, &FindBar::onFindFinished);
}

void FindBar::open()
{
    place();
    show();
    raise();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

void FindBar::dismiss()
{
    hide();
    restart();
    m_web->findText({}, false, false);
    m_web->widget()->setFocus(Qt::OtherFocusReason);
}

void FindBar::search(FindProgress::Direction direction)
{
    if (m_text->text().isEmpty()) {
        restart();
        m_web->findText({}, false, false);
        return;
    }
    m_direction = direction;
    m_web->findText(
        m_text->text(), direction == FindProgress::Direction::Backward, m_matchCase->isChecked());
}

void FindBar::restart()
{
    m_progress.restart();
    m_status->clear();
}

void FindBar::onFindFinished(int matches, int activeMatch)
{
    // Results of the clearing search, or of one made before the bar was closed, show nothing.
    if (isHidden() || m_text->text().isEmpty())
        return;
    const auto outcome = m_progress.result(matches, activeMatch, m_direction, m_wrap->isChecked());
    m_status->setText(outcome.status);
    if (outcome.stepBack) {
        m_web->findText(m_text->text(), m_direction == FindProgress::Direction::Forward,
            m_matchCase->isChecked());
    }
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        place();
    return QFrame::eventFilter(watched, event);
}

void FindBar::place()
{
    // The page is a child of the window, as this bar is.
    const QRect page = m_web->widget()->geometry();
    const int width = qMin(sizeHint().width(), qMax(page.width(), minimumSizeHint().width()));
    setGeometry(
        qMax(page.left(), page.right() + 1 - width), page.top(), width, sizeHint().height());
}
