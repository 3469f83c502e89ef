// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/webcontrol/deferredwebcontrol.h"

#include <QVBoxLayout>
#include <QWidget>
#include <utility>

DeferredWebControl::DeferredWebControl(std::function<void()> needEngine, QObject *parent)
    : WebControl(parent)
    , m_needEngine(std::move(needEngine))
    , m_pageArea(new QWidget)
{
    auto *layout = new QVBoxLayout(m_pageArea);
    layout->setContentsMargins({});
}

DeferredWebControl::~DeferredWebControl()
{
    if (m_pageArea && !m_pageArea->parent())
        delete m_pageArea;
}

void DeferredWebControl::attach(WebControl *control)
{
    m_control = control;
    control->setParent(this);
    forwardSignals();
    control->setOffline(m_offline);
    control->setAudioMuted(m_muted);
    control->setZoomFactor(m_zoomFactor);
    // The page starts loading before its view is shown: showing the view sets up its drawing,
    // which the page's first request need not wait for.
    if (!m_address.isEmpty())
        control->navigate(std::exchange(m_address, QString()));
    QWidget *page = control->widget();
    if (m_pageArea) {
        m_pageArea->layout()->addWidget(page);
        m_pageArea->setFocusProxy(page); // takes the focus over when the page area has it
        page->show();
    }
}

void DeferredWebControl::forwardSignals()
{
    const WebControl *from = m_control;
    connect(from, &WebControl::statusTextChanged, this, &WebControl::statusTextChanged);
    connect(from, &WebControl::progressChanged, this, &WebControl::progressChanged);
    connect(from, &WebControl::titleChanged, this, &WebControl::titleChanged);
    connect(from, &WebControl::navigationStarting, this, &WebControl::navigationStarting);
    connect(from, &WebControl::documentComplete, this, &WebControl::documentComplete);
    connect(from, &WebControl::widthRequested, this, &WebControl::widthRequested);
    connect(from, &WebControl::heightRequested, this, &WebControl::heightRequested);
    connect(from, &WebControl::closeRequested, this, &WebControl::closeRequested);
    connect(from, &WebControl::printFinished, this, &WebControl::printFinished);
    connect(from, &WebControl::findFinished, this, &WebControl::findFinished);
    // Whoever answers a request answers it before the engine's control reads the answer.
    connect(from, &WebControl::newWindowRequested, this, &WebControl::newWindowRequested,
        Qt::DirectConnection);
    connect(from, &WebControl::signInRequested, this, &WebControl::signInRequested,
        Qt::DirectConnection);
    connect(
        from, &WebControl::questionAsked, this, &WebControl::questionAsked, Qt::DirectConnection);
    connect(from, &WebControl::pageDialogRequested, this, &WebControl::pageDialogRequested,
        Qt::DirectConnection);
}

WebControl *DeferredWebControl::control()
{
    if (!m_control)
        m_needEngine();
    return m_control;
}

QWidget *DeferredWebControl::widget()
{
    return m_pageArea;
}

void DeferredWebControl::navigate(const QString &address)
{
    if (m_control)
        m_control->navigate(address);
    else
        m_address = address; // the last address asked for is the one to load
}

void DeferredWebControl::goBack()
{
    if (WebControl *web = control())
        web->goBack();
}

void DeferredWebControl::goForward()
{
    if (WebControl *web = control())
        web->goForward();
}

void DeferredWebControl::goHome()
{
    if (WebControl *web = control())
        web->goHome();
}

void DeferredWebControl::stop()
{
    if (WebControl *web = control())
        web->stop();
}

void DeferredWebControl::refresh()
{
    if (WebControl *web = control())
        web->refresh();
}

// A page not made yet has neither title nor address.
QString DeferredWebControl::locationName() const
{
    return m_control ? m_control->locationName() : QString();
}

QString DeferredWebControl::locationUrl() const
{
    return m_control ? m_control->locationUrl() : QString();
}

void DeferredWebControl::requestMarkup(std::function<void(const QString &)> callback)
{
    if (WebControl *web = control())
        web->requestMarkup(std::move(callback));
    else
        callback({});
}

void DeferredWebControl::setDesignMode(bool on)
{
    if (WebControl *web = control())
        web->setDesignMode(on);
}

void DeferredWebControl::requestProperties(std::function<void(const PageProperties &)> callback)
{
    if (WebControl *web = control())
        web->requestProperties(std::move(callback));
    else
        callback({});
}

void DeferredWebControl::setOffline(bool offline)
{
    m_offline = offline;
    if (m_control)
        m_control->setOffline(offline);
}

void DeferredWebControl::setAudioMuted(bool muted)
{
    m_muted = muted;
    if (m_control)
        m_control->setAudioMuted(muted);
}

void DeferredWebControl::discard()
{
    if (m_control)
        m_control->discard(); // a page not made yet holds nothing to free
}

void DeferredWebControl::setZoomFactor(double factor)
{
    m_zoomFactor = factor;
    if (m_control)
        m_control->setZoomFactor(factor);
}

void DeferredWebControl::savePage(const QString &path)
{
    if (WebControl *web = control())
        web->savePage(path);
}

void DeferredWebControl::print(QPrinter *printer)
{
    if (WebControl *web = control())
        web->print(printer);
    else
        emit printFinished(false);
}

void DeferredWebControl::findText(const QString &text, bool backward, bool caseSensitive)
{
    if (WebControl *web = control())
        web->findText(text, backward, caseSensitive);
}

void DeferredWebControl::execute(Command command)
{
    if (WebControl *web = control())
        web->execute(command);
}

EngineSettings &DeferredWebControl::engineSettings()
{
    if (WebControl *web = control())
        return web->engineSettings();
    return m_noEngineSettings;
}
