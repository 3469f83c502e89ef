// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/findbar.h"

#include "browser/webcontrol/webcontrol.h"

#include <QEvent>

FindBar::FindBar(WebControl *web, QWidget *window)
    : FindPanel({}, window)
    , m_web(web)
{
    setObjectName(QStringLiteral("findBar"));
    setPlaceholderText(QStringLiteral("Find in page"));
    reserveStatusWidth(FindProgress::reachedEnd);
    connectControls();
    m_web->widget()->installEventFilter(this);
}

void FindBar::connectControls()
{
    using Direction = FindProgress::Direction;
    connect(this, &FindPanel::criteriaChanged, this, [this] {
        restart();
        search(Direction::Forward);
    });
    connect(this, &FindPanel::findNext, this, [this] { search(Direction::Forward); });
    connect(this, &FindPanel::findPrevious, this, [this] { search(Direction::Backward); });
    connect(this, &FindPanel::dismissed, this, &FindBar::dismiss);
    connect(m_web, &WebControl::findFinished, this, &FindBar::onFindFinished);
}

void FindBar::open()
{
    place();
    FindPanel::open();
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
    if (text().isEmpty()) {
        restart();
        m_web->findText({}, false, false);
        return;
    }
    m_direction = direction;
    m_web->findText(text(), direction == FindProgress::Direction::Backward, matchCase());
}

void FindBar::restart()
{
    m_progress.restart();
    setStatus({});
}

void FindBar::onFindFinished(int matches, int activeMatch)
{
    // Results of the clearing search, or of one made before the bar was closed, show nothing.
    if (isHidden() || text().isEmpty())
        return;
    const auto outcome = m_progress.result(matches, activeMatch, m_direction, wrap());
    setStatus(outcome.status);
    if (outcome.stepBack)
        m_web->findText(text(), m_direction == FindProgress::Direction::Forward, matchCase());
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        place();
    return FindPanel::eventFilter(watched, event);
}

void FindBar::place()
{
    // The page is a child of the window, as this bar is.
    const QRect page = m_web->widget()->geometry();
    const int width = qMin(sizeHint().width(), qMax(page.width(), minimumSizeHint().width()));
    setGeometry(
        qMax(page.left(), page.right() + 1 - width), page.top(), width, sizeHint().height());
}
