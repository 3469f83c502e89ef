// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favouriteswindow.h"

#include "common/core/twips.h"
#include "common/dialogs.h"
#include "common/editboxpalette.h"
#include "common/workspace.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const QSizeF clientTwips(5310, 5610);

QString nothingSelected()
{
    return QStringLiteral("Nothing is selected!");
}

} // namespace

FavouritesWindow::FavouritesWindow(
    Dialogs &dialogs, Workspace &workspace, const QString &dataFilePath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
    , m_workspace(workspace)
    , m_store(dataFilePath)
{
    setObjectName(QStringLiteral("frmfav"));
    setWindowTitle(QStringLiteral("Orbello's Web Viewer - Favourites"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The placements were laid out for a small Arial; children inherit it.
    setFont(QFont(QStringLiteral("Arial"), 8));

    createControls();
    placeControls();
    setTabOrderAndNames();

    m_store.load();
    showLists();
}

void FavouritesWindow::fill(const QString &name, const QString &address)
{
    m_txtname->setText(name);
    m_txturl->setText(address);
}

void FavouritesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_store.loadFailed() || m_toldLoadFailed)
        return;
    m_toldLoadFailed = true;
    // Asked once the window is on screen, so the message stands in front of it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_dialogs.message(this,
                QStringLiteral("Your favourites could not be read from %1.\n\n"
                               "The file is left as it is: changes made in this window will not "
                               "be kept.")
                    .arg(QDir::toNativeSeparators(m_store.filePath())),
                windowTitle(), Dialogs::Buttons::Ok, Dialogs::Icon::Information);
        },
        Qt::QueuedConnection);
}

void FavouritesWindow::closeEvent(QCloseEvent *event)
{
    // Whatever asks the window to close, what the lists hold is kept; the close is never refused.
    m_store.save();
    event->accept();
}

bool FavouritesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_namelist && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Deleting on release, once per key stroke, even when the key is held down.
        if (key->key() == Qt::Key_Delete && !key->isAutoRepeat())
            deleteSelected();
    }
    return QWidget::eventFilter(watched, event);
}

void FavouritesWindow::createControls()
{
    m_label1 = new QLabel(QStringLiteral("Name:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(QStringLiteral("Url:"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));

    m_txtname = new QLineEdit(this);
    m_txtname->setObjectName(QStringLiteral("txtname"));
    m_txturl = new QLineEdit(this);
    m_txturl->setObjectName(QStringLiteral("txturl"));
    m_label1->setBuddy(m_txtname);
    m_label2->setBuddy(m_txturl);

    m_command1 = makeButton("Command1", QStringLiteral("Add"));
    m_namelist = new QListWidget(this);
    m_namelist->setObjectName(QStringLiteral("namelist"));
    m_urllist = new QListWidget(this);
    m_urllist->setObjectName(QStringLiteral("urllist"));
    m_urllist->hide();
    m_command2 = makeButton("Command2", QStringLiteral("Delete"));
    m_command3 = makeButton("Command3", QStringLiteral("Rename"));
    m_command4 = makeButton("Command4", QStringLiteral("Go!"));

    m_line1 = new QFrame(this);
    m_line1->setObjectName(QStringLiteral("Line1"));
    m_line1->setFrameShape(QFrame::HLine);
    m_line1->setFrameShadow(QFrame::Plain);

    const QList<QWidget *> boxes { m_txtname, m_txturl, m_namelist };
    for (QWidget *box : boxes)
        paintAsEditBox(box);
    connectControls();
}

void FavouritesWindow::connectControls()
{
    connect(m_command1, &QPushButton::clicked, this, &FavouritesWindow::add);
    connect(m_command2, &QPushButton::clicked, this, &FavouritesWindow::deleteSelected);
    connect(m_command3, &QPushButton::clicked, this, &FavouritesWindow::rename);
    connect(m_command4, &QPushButton::clicked, this, &FavouritesWindow::openSelected);
    connect(m_namelist, &QListWidget::itemDoubleClicked, this, &FavouritesWindow::openSelected);
    connect(
        m_namelist, &QListWidget::itemSelectionChanged, this, &FavouritesWindow::followSelection);
    m_namelist->installEventFilter(this);
}

QPushButton *FavouritesWindow::makeButton(const char *objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

void FavouritesWindow::placeControls()
{
    const double dpi = logicalDpiX();
    const QList<QPair<QWidget *, QRectF>> placements {
        { m_label1, { 120, 120, 1455, 495 } },
        { m_label2, { 240, 480, 975, 375 } },
        { m_txtname, { 720, 120, 4455, 285 } },
        { m_txturl, { 720, 480, 4455, 285 } },
        { m_command1, { 4200, 960, 975, 375 } },
        { m_namelist, { 120, 960, 3975, 4530 } },
        { m_urllist, { 2760, 960, 1335, 3210 } },
        { m_command2, { 4200, 1440, 975, 375 } },
        { m_command3, { 4200, 1920, 975, 375 } },
        { m_command4, { 4200, 2400, 975, 375 } },
    };
    for (const auto &[widget, twips] : placements)
        widget->setGeometry(Twips::toPixels(twips, dpi));
    // A one-pixel rule from (0, 840) to (5280, 840).
    m_line1->setGeometry(0, Twips::toPixels(840, dpi), Twips::toPixels(5280, dpi), 1);
    setFixedSize(
        Twips::toPixels(clientTwips.width(), dpi), Twips::toPixels(clientTwips.height(), dpi));
}

void FavouritesWindow::setTabOrderAndNames()
{
    const QList<QWidget *> order { m_txtname, m_txturl, m_command1, m_namelist, m_command2,
        m_command3, m_command4 };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    m_txtname->setAccessibleName(QStringLiteral("Name"));
    m_txturl->setAccessibleName(QStringLiteral("Url"));
    m_namelist->setAccessibleName(QStringLiteral("Favourites"));
    m_urllist->setAccessibleName(QStringLiteral("Favourite addresses"));
    m_line1->setAccessibleName(QStringLiteral("Separator"));
}

void FavouritesWindow::add()
{
    // At the size limit nothing is added; the boxes keep the pair, so nothing typed is lost.
    if (!m_store.add(m_txtname->text(), m_txturl->text()))
        return;
    m_store.save();
    showLists();
}

void FavouritesWindow::deleteSelected()
{
    const int index = m_store.currentIndex();
    if (index < 0)
        return;
    m_store.removeAt(index);
    m_store.save();
    showLists();
}

void FavouritesWindow::rename()
{
    const int index = m_store.currentIndex();
    if (index < 0) {
        m_dialogs.error(this, nothingSelected());
        return;
    }
    // Taken out for editing; Add puts it back at the end, closing the window drops it.
    m_txturl->setText(m_store.addresses().at(index));
    m_txtname->setText(m_store.names().at(index));
    m_store.removeAt(index);
    showLists();
}

void FavouritesWindow::openSelected()
{
    const int index = m_store.currentIndex();
    // Checked before any window is made, so a mistaken click leaves no blank window behind.
    if (index < 0) {
        m_dialogs.error(this, nothingSelected());
        return;
    }
    m_workspace.openBrowserWindow(m_store.addresses().at(index));
}

void FavouritesWindow::showLists()
{
    // The store decides the current entry; the lists only show it.
    const QSignalBlocker blocker(m_namelist);
    m_namelist->clear();
    m_namelist->addItems(m_store.names());
    m_urllist->clear();
    m_urllist->addItems(m_store.addresses());
    m_namelist->setCurrentRow(m_store.currentIndex());
    m_urllist->setCurrentRow(m_store.currentIndex());
}

void FavouritesWindow::followSelection()
{
    const QList<QListWidgetItem *> selected = m_namelist->selectedItems();
    m_store.setCurrentIndex(selected.isEmpty() ? -1 : m_namelist->row(selected.first()));
    m_urllist->setCurrentRow(m_store.currentIndex());
}
