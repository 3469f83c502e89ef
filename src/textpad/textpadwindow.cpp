// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/textpadwindow.h"

#include "common/core/twips.h"
#include "common/findpanel.h"
#include "textpad/changemonitor.h"
#include "textpad/core/padlayout.h"
#include "textpad/editcommands.h"
#include "textpad/filedrop.h"
#include "textpad/findreplace.h"
#include "textpad/fontproperties.h"
#include "textpad/padmenus.h"
#include "textpad/richtext/richtextcontrol.h"
#include "textpad/wordcompletion.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr double statusBarTwips = 255;
constexpr double panel2Units = 2000;
constexpr double clientWidthTwips = 7020;
constexpr double clientHeightTwips = 5835;

QRect padUnitsToPixels(const QRectF &units, double dpi)
{
    const double across = textpad::twipsPerPadUnit;
    return Twips::toPixels(
        QRectF(units.left() * across, units.top(), units.width() * across, units.height()), dpi);
}
} // namespace

TextPadWindow::TextPadWindow(
    Dialogs &dialogs, Workspace &workspace, Launcher &launcher, QWidget *parent)
    : QMainWindow(parent)
    , m_menus(std::make_unique<PadMenus>())
    , m_textPlace(600 / textpad::twipsPerPadUnit, 360, 4335 / textpad::twipsPerPadUnit, 2535)
{
    setObjectName(QStringLiteral("pad"));
    setWindowFlag(Qt::Window);
    createMenus();
    createControls();
    m_documentController = new DocumentController(this, m_tb, dialogs, this);
    new ChangeMonitor(
        m_tb, [this] { return m_documentController->isSaved(); }, m_panel1,
        this); // owned by this window
    m_commands = new EditCommands(this, m_tb, m_menus->bul, launcher, workspace, this);
    m_popup = new PopupMenuController(*m_menus, m_tb, m_tbtemp2, this);
    m_fontProperties = new FontProperties(this, m_tb, dialogs, this);
    m_wordCompletion = new WordCompletion(this, m_tb, m_menus->autoword, dialogs, this);
    m_findReplace = new FindReplace(m_tb, m_findPanel, this);
    new FileDrop(
        m_tb, [this](const QString &path) { m_documentController->openDropped(path); }, this);
    connectCommands();

    const double dpi = logicalDpiX();
    resize(Twips::toPixels(clientWidthTwips, dpi),
        Twips::toPixels(clientHeightTwips, dpi) + menuBar()->sizeHint().height());
    applyLayout();
}

TextPadWindow::~TextPadWindow() = default;

void TextPadWindow::createControls()
{
    // The client area the pad's own layout places `tb` in, with the find bar below it when shown.
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_client = new QWidget(central);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->installEventFilter(this);
    m_findPanel
        = new FindPanel(FindPanel::Feature::WholeWords | FindPanel::Feature::Replace, central);
    m_findPanel->setObjectName(QStringLiteral("findBar"));
    column->addWidget(m_client, 1);
    column->addWidget(m_findPanel);
    setCentralWidget(central);

    createEditors();
    m_cl = new QLineEdit(QStringLiteral("Text1"), m_client);
    m_cl->setObjectName(QStringLiteral("cl"));
    m_cl->hide();
    createStatusBar();
}

void TextPadWindow::createEditors()
{
    m_tb = new RichTextControl(m_client);
    m_tb->setObjectName(QStringLiteral("tb"));
    m_tb->setAccessibleName(tr("Document"));
    // The system's fixed-width face stands in for Fixedsys 9 pt.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    m_tb->setFont(fixed);
    QPalette palette = m_tb->palette();
    palette.setColor(QPalette::Base, QColor(255, 250, 238));
    m_tb->setPalette(palette);
    m_tb->setFocus();
    m_tb->installEventFilter(this);

    m_tbtemp2 = new RichTextControl(m_client);
    m_tbtemp2->setObjectName(QStringLiteral("tbtemp2"));
    m_tbtemp2->hide();
}

void TextPadWindow::createStatusBar()
{
    QStatusBar *stbar = statusBar();
    stbar->setObjectName(QStringLiteral("stbar"));
    stbar->setSizeGripEnabled(false);
    stbar->setFixedHeight(Twips::toPixels(statusBarTwips, logicalDpiY()));
    m_panel1 = new QLabel(stbar);
    m_panel1->setObjectName(QStringLiteral("panel1"));
    // No accessible name: a screen reader then reads the line itself.
    m_panel2 = new QLabel(QStringLiteral("Orbello's Text Pad"), stbar);
    m_panel2->setObjectName(QStringLiteral("panel2"));
    stbar->addWidget(m_panel1);
    stbar->addWidget(m_panel2);
}

void TextPadWindow::connectCommands()
{
    connect(
        m_cl, &QLineEdit::textChanged, m_documentController, &DocumentController::closeAllSignal);
    connect(m_tb, &RichTextControl::mouseUp, m_popup, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            m_popup->popUp();
    });
}

QString TextPadWindow::fileName() const
{
    return m_documentController->fileName();
}

bool TextPadWindow::isSaved() const
{
    return m_documentController->isSaved();
}

void TextPadWindow::setClock(std::function<QDateTime()> clock)
{
    m_commands->setClock(std::move(clock));
}

void TextPadWindow::setPrinterSource(DocumentController::PrinterSource source)
{
    m_documentController->setPrinterSource(std::move(source));
}

void TextPadWindow::setPopupPresenter(PopupMenuController::Presenter presenter)
{
    m_popup->setPresenter(std::move(presenter));
}

void TextPadWindow::setWordListWindow(WordListWindow *wordList)
{
    m_wordCompletion->setWordListWindow(wordList);
}

void TextPadWindow::insertWord()
{
    m_wordCompletion->insertWord();
}

void TextPadWindow::closeEvent(QCloseEvent *event)
{
    m_documentController->closeRequested();
    event->ignore();
}

bool TextPadWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        applyLayout();
    // The editor claims keys such as Ctrl+C for its own commands; the pad's take precedence.
    if (watched == m_tb && event->type() == QEvent::ShortcutOverride
        && isPadShortcut(static_cast<QKeyEvent *>(event)->keyCombination())) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TextPadWindow::isPadShortcut(QKeyCombination key) const
{
    const QKeySequence pressed(key);
    const QList<QAction *> entries = findChildren<QAction *>();
    return std::any_of(entries.cbegin(), entries.cend(),
        [&pressed](const QAction *entry) { return entry->shortcut() == pressed; });
}

void TextPadWindow::applyLayout()
{
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    // The client area runs from below the menu bar to the bottom, the status bar included.
    const QSize client = m_client->size();
    textpad::PadLayoutInput input;
    input.scaleWidth = Twips::fromPixels(client.width(), dpiX) / textpad::twipsPerPadUnit;
    input.scaleHeight = Twips::fromPixels(client.height() + statusBar()->height(), dpiY);
    input.statusBarHeight = statusBarTwips;
    input.panel2Width = panel2Units;
    input.previousText = m_textPlace;
    input.previousPanel1Width = m_panel1Width;
    const textpad::PadLayout layout = textpad::layoutPad(input);
    m_textPlace = layout.text;
    m_panel1Width = layout.panel1Width;
    m_tb->setGeometry(padUnitsToPixels(layout.text, dpiX));
    m_panel1->setFixedWidth(Twips::toPixels(m_panel1Width * textpad::twipsPerPadUnit, dpiX));
    m_panel2->setFixedWidth(Twips::toPixels(panel2Units * textpad::twipsPerPadUnit, dpiX));
}
