// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/browserwindow.h"

#include "browser/addressbar.h"
#include "browser/browserkeys.h"
#include "browser/core/browserlayout.h"
#include "browser/core/pageevents.h"
#include "browser/navigationtoolbar.h"
#include "browser/pagecommands.h"
#include "browser/pagequestions.h"
#include "browser/toolstoolbar.h"
#include "common/core/twips.h"
#include "common/workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int watchdogInterval = 2000;
constexpr double initialWidthTwips = 10350;
constexpr double initialHeightTwips = 7305;
constexpr double squareButtonTwips = 375; // Go and leave-full-screen buttons
} // namespace

BrowserWindow::BrowserWindow(WebControl *web, Dialogs &dialogs, Workspace &workspace,
    const QString &applicationDirectory, QWidget *parent)
    : QWidget(parent)
    , m_web(web)
    , m_dialogs(dialogs)
    , m_workspace(workspace)
{
    setObjectName(QStringLiteral("frmb"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(PageEvents::productName);
    createMenus();
    m_web->setParent(this);
    createControls(applicationDirectory + QStringLiteral("history.txt"));
    connectWebControl();
    connectPopupSignals();

    // Load sequence: lay out, show a blank page, read the typed-address history.
    resize(sizeHint());
    layOut();
    m_web->navigate(QStringLiteral("about:blank"));
    m_addressBar->loadHistory();
    m_menus.h->menuAction()->setVisible(false);
    m_timer1->start();
}

BrowserWindow::~BrowserWindow() = default;

QSize BrowserWindow::sizeHint() const
{
    const double dpi = logicalDpiX();
    return { Twips::toPixels(initialWidthTwips, dpi), Twips::toPixels(initialHeightTwips, dpi) };
}

void BrowserWindow::createControls(const QString &historyFilePath)
{
    m_web->widget()->setParent(this);
    m_tbar = new NavigationToolbar(this);
    m_tbar2 = new ToolsToolbar(m_web, m_dialogs, m_workspace, m_menus.h, this);
    m_addressBar = new AddressBar(m_web, historyFilePath, m_tbar);
    m_commands = new PageCommands(m_web, m_dialogs, m_workspace, this);
    new BrowserKeys(m_web, m_addressBar->box(), this); // owned by this window
    new PageQuestions(m_web, m_dialogs, this); // owned by this window
    createStatusBar();
    createOverlays();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(watchdogInterval);

    // Hidden one-line boxes through which other parties signal this window.
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->hide();
    m_text3 = new QLineEdit(this);
    m_text3->setObjectName(QStringLiteral("Text3"));
    m_text3->hide();

    // Qt's overflow button of a toolbar too narrow for its buttons has no name of its own.
    for (QToolBar *bar : { static_cast<QToolBar *>(m_tbar), static_cast<QToolBar *>(m_tbar2) }) {
        if (auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(QStringLiteral("More buttons"));
    }
}

void BrowserWindow::createStatusBar()
{
    m_sbar = new QStatusBar(this);
    m_sbar->setObjectName(QStringLiteral("sbar"));
    m_sbar->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(m_sbar);
    m_statusPanel->setObjectName(QStringLiteral("sbarPanel1"));
    // No accessible name: a screen reader then reads the status text itself.
    m_sbar->addWidget(m_statusPanel, 1);
}

// The progress bar, the Go button and the leave-full-screen button lie in front of the toolbars and
// the page.
void BrowserWindow::createOverlays()
{
    m_probar = new QProgressBar(this);
    m_probar->setObjectName(QStringLiteral("probar"));
    m_probar->setAccessibleName(QStringLiteral("Page loading progress"));
    m_probar->setRange(0, 100);
    m_probar->setTextVisible(false);
    m_probar->hide();

    m_command2 = new QToolButton(this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setIcon(QIcon::fromTheme(
        QStringLiteral("view-restore"), style()->standardIcon(QStyle::SP_TitleBarNormalButton)));
    m_command2->setToolTip(QStringLiteral("Leave full screen"));
    m_command2->setAccessibleName(QStringLiteral("Leave full screen"));
    const int square = Twips::toPixels(squareButtonTwips, logicalDpiX());
    m_command2->resize(square, square);
    m_command2->hide();
    m_addressBar->goButton()->setParent(this);
    m_addressBar->goButton()->resize(square, square);
    m_addressBar->goButton()->raise();
    m_probar->raise();
    m_command2->raise();
}

void BrowserWindow::connectWebControl()
{
    connect(m_web, &WebControl::statusTextChanged, this, &BrowserWindow::onStatusText);
    connect(m_web, &WebControl::progressChanged, this, &BrowserWindow::onProgress);
    connect(m_web, &WebControl::titleChanged, this, &BrowserWindow::onTitle);
    connect(m_web, &WebControl::navigationStarting, this, &BrowserWindow::onNavigationStarting);
    connect(m_web, &WebControl::documentComplete, this, &BrowserWindow::onDocumentComplete);
    connect(m_web, &WebControl::newWindowRequested, this, &BrowserWindow::onNewWindowRequested,
        Qt::DirectConnection);
    connect(m_web, &WebControl::widthRequested, this,
        [this](int width) { m_web->widget()->resize(width, m_web->widget()->height()); });
    connect(m_web, &WebControl::heightRequested, this,
        [this](int height) { m_web->widget()->resize(m_web->widget()->width(), height); });
    connect(m_web, &WebControl::closeRequested, this, &BrowserWindow::unload);
    connect(m_tbar, &NavigationToolbar::buttonClicked, this, &BrowserWindow::onNavigationButton);
    connect(m_timer1, &QTimer::timeout, this, &BrowserWindow::onWatchdogTick);
    connect(m_command2, &QToolButton::clicked, this, &BrowserWindow::leaveFullScreen);
}

void BrowserWindow::connectPopupSignals()
{
    connect(m_text3, &QLineEdit::textChanged, this, &BrowserWindow::onPopupSignal);
    connect(m_text1, &QLineEdit::textChanged, this, &BrowserWindow::onCloseSignal);
}

bool BrowserWindow::isFullScreen() const
{
    return m_menus.fuller->isChecked();
}

bool BrowserWindow::popupBlocking() const
{
    return m_tbar2->popupBlocking();
}

QWidget *BrowserWindow::frameWidget()
{
    return isWindow() ? this : parentWidget();
}

void BrowserWindow::blockAsPopup()
{
    m_text3->setText(QStringLiteral("a"));
}

void BrowserWindow::exit()
{
    // The hidden window stays loaded, but its page need not keep running: it comes back by
    // loading again if the window is ever shown.
    frameWidget()->hide();
    m_web->discard();
}

void BrowserWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void BrowserWindow::showProgressView()
{
    m_addressBar->box()->hide();
    m_probar->show();
    keepPageBelowToolbars();
}

void BrowserWindow::showAddressView()
{
    if (!isFullScreen())
        m_addressBar->box()->show();
    m_probar->hide();
    keepPageBelowToolbars();
}

void BrowserWindow::keepPageBelowToolbars()
{
    if (m_tbar->isVisible())
        m_web->widget()->move(0, m_tbar2->height() + m_tbar->height());
}

void BrowserWindow::onNavigationButton(int index)
{
    switch (index) {
    case NavigationToolbar::Back:
        m_web->goBack();
        break;
    case NavigationToolbar::Forward:
        m_web->goForward();
        break;
    case NavigationToolbar::Home:
        m_web->goHome();
        break;
    case NavigationToolbar::Stop:
        m_web->stop();
        break;
    case NavigationToolbar::Refresh:
        m_web->refresh();
        break;
    case NavigationToolbar::Address:
        if (m_probar->isVisible())
            showAddressView();
        else
            showProgressView();
        break;
    default:
        break;
    }
}

void BrowserWindow::onStatusText(const QString &text)
{
    const auto outcome = PageEvents::statusText(text, isFullScreen(), m_web->locationName());
    m_statusPanel->setText(outcome.panelText);
    if (outcome.caption)
        setWindowTitle(*outcome.caption);
}

void BrowserWindow::onProgress(int progress, int progressMax)
{
    if (const auto value = PageEvents::progressValue(progress, progressMax)) {
        m_progress = *value;
        m_probar->setValue(qRound(*value));
    }
}

void BrowserWindow::onTitle(const QString &title)
{
    setWindowTitle(PageEvents::captionForTitle(title));
}

void BrowserWindow::onNavigationStarting()
{
    if (!isFullScreen())
        showProgressView();
}

void BrowserWindow::onDocumentComplete()
{
    layOut();
    m_addressBar->showPageAddress(m_web->locationUrl());
    m_progress = 0;
    m_probar->setValue(0);
    if (!isFullScreen())
        showAddressView();
}

void BrowserWindow::onWatchdogTick()
{
    layOut();
    const auto outcome = PageEvents::watchdogTick(
        m_progress, m_probar->isVisible(), m_lastProgress, isFullScreen());
    if (outcome.showAddressView)
        showAddressView();
    if (outcome.lastProgress) {
        m_lastProgress = *outcome.lastProgress;
        keepPageBelowToolbars();
    }
}

void BrowserWindow::onNewWindowRequested(WebControl::NewWindowRequest &request)
{
    using Place = Workspace::PageWindowPlace;
    Place place = Place::Front;
    // A hidden pop-up's own pop-ups are hidden too, or blocking would be only one window deep.
    if (popupBlocking() || m_blockedPopup)
        place = Place::Hidden;
    else if (m_menus.opnewb->isChecked())
        place = Place::Behind;
    request.target = m_workspace.openPageWindow(this, place);
}

void BrowserWindow::onPopupSignal(const QString &text)
{
    if (text.isEmpty())
        return;
    if (text == u"a") {
        // A blocked pop-up stays loaded but hidden, and is never heard.
        m_web->setAudioMuted(true);
        frameWidget()->hide();
        m_blockedPopup = true;
    }
    m_text3->clear();
}

void BrowserWindow::onCloseSignal(const QString &text)
{
    if (text != u"cl")
        return;
    m_text1->clear();
    frameWidget()->hide();
    m_web->stop();
}

void BrowserWindow::leaveFullScreen()
{
    m_menus.fuller->setChecked(false);
    layOut();
    setWindowTitle(PageEvents::captionForTitle(m_web->locationName()));
}

void BrowserWindow::fillWindowList()
{
    m_menus.sel->clear();
    const QList<Workspace::WindowEntry> windows = m_workspace.browserWindows();
    for (int i = 0; i < windows.size(); ++i) {
        // A page title's "&" is text, not the entry's mnemonic.
        QString caption = windows.at(i).caption;
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *entry = m_menus.sel->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        entry->setCheckable(true);
        entry->setChecked(windows.at(i).active);
        connect(entry, &QAction::triggered, this,
            [this, window = windows.at(i).window] { m_workspace.activateBrowserWindow(window); });
    }
}

void BrowserWindow::unload()
{
    frameWidget()->close();
}
