// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/browserkeys.h"

#include "browser/core/zoomsteps.h"
#include "browser/webcontrol/webcontrol.h"

#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>

BrowserKeys::BrowserKeys(WebControl *web, QComboBox *addressBox, QWidget *window)
    : QObject(window)
    , m_web(web)
    , m_addressBox(addressBox)
    , m_zoom(ZoomSteps::actualSize)
{
    auto zoomIn = [this] { zoomTo(ZoomSteps::zoomIn(m_zoom)); };
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_Plus), zoomIn);
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_Equal), zoomIn);
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_Minus),
        [this] { zoomTo(ZoomSteps::zoomOut(m_zoom)); });
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomTo(ZoomSteps::actualSize); });
    bind(window, QKeySequence(Qt::ALT | Qt::Key_Left), [this] { m_web->goBack(); });
    bind(window, QKeySequence(Qt::ALT | Qt::Key_Right), [this] { m_web->goForward(); });
    bind(window, QKeySequence(Qt::Key_F5), [this] { m_web->refresh(); });
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_R), [this] { m_web->refresh(); });
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_L), [this] { goToAddressBox(); });
    // Only in the page: Esc in the address box or the find bar keeps its own meaning there.
    bind(m_web->widget(), QKeySequence(Qt::Key_Escape), [this] { m_web->stop(); });
}

template <typename Handler>
void BrowserKeys::bind(QWidget *scope, const QKeySequence &keys, Handler handler)
{
    auto *shortcut = new QShortcut(keys, scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, handler);
}

void BrowserKeys::zoomTo(double factor)
{
    m_zoom = factor;
    m_web->setZoomFactor(factor);
}

void BrowserKeys::goToAddressBox()
{
    if (!m_addressBox->isVisible())
        return;
    m_addressBox->setFocus(Qt::ShortcutFocusReason);
    if (QLineEdit *edit = m_addressBox->lineEdit())
        edit->selectAll();
}
