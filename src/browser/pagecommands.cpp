// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/pagecommands.h"

#include "browser/core/pageinfo.h"
#include "browser/core/pagemarkup.h"
#include "browser/findbar.h"
#include "browser/internetpropertiesdialog.h"
#include "browser/pagepropertiesdialog.h"
#include "browser/webcontrol/webcontrol.h"
#include "common/core/datafile.h"
#include "common/dialogs.h"
#include "common/workspace.h"

#include <QAction>
#include <QDir>
#include <QPointer>
#include <QPrinter>
#include <QShortcut>
#include <QWidget>

namespace {

const QString allFiles = QStringLiteral("All Files (*)");
const QString completePage = QStringLiteral("Web Page, complete (*.html *.htm);;All Files (*)");

// Shows a dialog of the window without blocking, and lets it go when it closes.
void showDialog(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

} // namespace

PageCommands::PageCommands(WebControl *web, Dialogs &dialogs, Workspace &workspace, QWidget *window)
    : QObject(window)
    , m_web(web)
    , m_dialogs(dialogs)
    , m_workspace(workspace)
    , m_window(window)
    , m_findBar(new FindBar(web, window))
{
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), m_window);
    find->setObjectName(QStringLiteral("findShortcut"));
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, m_findBar, &FindBar::open);
    connect(m_web, &WebControl::printFinished, this, [this] { m_printing = false; });
}

PageCommands::~PageCommands() = default;

void PageCommands::open()
{
    const auto path = m_dialogs.openFile(m_window, allFiles);
    if (path && !path->isEmpty())
        m_web->navigate(*path);
}

void PageCommands::save()
{
    m_web->requestMarkup([self = QPointer<PageCommands>(this)](const QString &markup) {
        if (!self)
            return;
        const auto path = self->m_dialogs.saveFile(self->m_window, allFiles);
        if (path && !path->isEmpty())
            self->writeMarkup(*path, markup);
    });
}

void PageCommands::writeMarkup(const QString &path, const QString &markup)
{
    QString reason;
    if (DataFile::replace(path, PageMarkup::fileContents(markup), &reason))
        return;
    // The one failure of these commands that is reported: the user would think the page saved.
    m_dialogs.error(m_window,
        QStringLiteral("The page could not be saved to %1.\n%2")
            .arg(QDir::toNativeSeparators(path), reason));
}

void PageCommands::saveWithImages()
{
    if (m_web->locationUrl().isEmpty())
        return;
    const auto path = m_dialogs.saveFile(m_window, completePage);
    if (path && !path->isEmpty())
        m_web->savePage(*path);
}

QPrinter *PageCommands::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

void PageCommands::printSetup()
{
    if (!m_printing)
        m_dialogs.pageSetup(m_window, printer());
}

void PageCommands::print()
{
    if (m_printing || !m_dialogs.print(m_window, printer()))
        return;
    m_printing = true;
    m_web->print(printer());
}

void PageCommands::showProperties()
{
    m_web->requestProperties(
        [self = QPointer<PageCommands>(this)](const WebControl::PageProperties &page) {
            if (!self)
                return;
            const PageInfo::Facts facts { page.title, page.url, page.contentType, page.lastModified,
                page.size };
            showDialog(new PagePropertiesDialog(PageInfo::lines(facts), self->m_window));
        });
}

void PageCommands::viewSource()
{
    m_web->requestMarkup([self = QPointer<PageCommands>(this)](const QString &markup) {
        if (self)
            self->m_workspace.openTextPad(markup);
    });
}

void PageCommands::showInternetProperties()
{
    showDialog(
        new InternetPropertiesDialog(m_web->engineSettings(), m_web->locationUrl(), m_window));
}

void PageCommands::search()
{
    m_findBar->open();
}
