// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"

#include "common/core/twips.h"
#include "common/workspace.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// The companion product's download page. No such site exists, so it lives on a reserved
// documentation host.
const char downloadAddress[] = "http://downloads.orbello.example/detail.php3?fid=surfkin";

const char companionDescription[]
    = "Orbello's Surfkin puts a set of everyday internet tools into one small program. It holds "
      "a mini web browser, an html editor, an advanced search engine that searches all search "
      "engines at once, and a system locker that locks your computer while you are away.";

constexpr QSizeF clientArea(5730, 5355);

QLabel *newLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// The label at its place, grown downwards where the font in use needs more lines than the place
// holds.
void place(QLabel *label, const QRect &place)
{
    label->setGeometry(place.x(), place.y(), place.width(),
        qMax(place.height(), label->heightForWidth(place.width())));
}

QWidget *newLine(const QColor &colour, const char *name, QWidget *parent)
{
    auto *line = new QWidget(parent);
    line->setObjectName(QLatin1String(name));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

QIcon programIcon(const QStyle *style)
{
    const QIcon installed = QApplication::windowIcon();
    if (!installed.isNull())
        return installed;
    return QIcon::fromTheme(
        QStringLiteral("web-browser"), style->standardIcon(QStyle::SP_ComputerIcon));
}

} // namespace

AboutWindow::AboutWindow(Workspace &workspace, QWidget *parent)
    : QDialog(parent)
    , m_workspace(workspace)
{
    setObjectName(QStringLiteral("frmabt"));
    setWindowTitle(QStringLiteral("About Orbello's Web Viewer"));
    // A utility window: task bars leave it out whether or not it has a parent, and with only a
    // title and a close button it can be neither minimized nor maximized.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(toPixels(clientArea.width()), toPixels(clientArea.height()));

    addProgramPanel();
    addSeparator();
    addCompanionFrame();
}

int AboutWindow::toPixels(double twips) const
{
    return Twips::toPixels(twips, logicalDpiX());
}

QRect AboutWindow::toPixels(const QRectF &twips) const
{
    return Twips::toPixels(twips, logicalDpiX());
}

void AboutWindow::addProgramPanel()
{
    // First in the tab order, so Enter on a fresh window means OK.
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(toPixels({ 4320, 2280, 1260, 345 }));
    ok->setDefault(true);
    // Esc reaches QDialog::reject, which hides the window just as OK does.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    const QRect iconPlace = toPixels({ 240, 120, 480, 480 });
    icon->setPixmap(programIcon(style()).pixmap(iconPlace.size(), devicePixelRatio()));
    // Some icons come only smaller than the place; stretched, they still fill it.
    icon->setScaledContents(true);
    icon->setGeometry(iconPlace);

    place(newLabel(QStringLiteral("Orbello's Web Viewer"), "lblTitle", this),
        toPixels({ 1050, 240, 3885, 480 }));
    place(newLabel(QStringLiteral("Version 0.04"), "lblVersion", this),
        toPixels({ 1050, 780, 3885, 225 }));
    place(newLabel(QStringLiteral("A web browser for IE lovers with the nosense of IE removed and "
                                  "many useful features added in."),
              "lblDescription", this),
        toPixels({ 1080, 1125, 3885, 570 }));
}

void AboutWindow::addSeparator()
{
    // An etched rule: a grey line lying on the top half of a white line twice as thick.
    const int left = toPixels(120);
    const int greyEnd = toPixels(5684);
    const int whiteEnd = toPixels(5669);

    auto *rule = new QWidget(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setGeometry(left, toPixels(2160), qMax(greyEnd, whiteEnd) - left, 2);
    newLine(Qt::white, "Line1_0", rule)->setGeometry(0, 0, whiteEnd - left, 2);
    newLine(QColor(128, 128, 128), "Line1_1", rule)->setGeometry(0, 0, greyEnd - left, 1);
}

void AboutWindow::addCompanionFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("About Orbello's Surfkin"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(toPixels({ 120, 2640, 5535, 2655 }));

    // Places inside the frame count from the frame's corner, caption included.
    place(newLabel(QString::fromLatin1(companionDescription), "Label2", frame),
        toPixels({ 240, 360, 5055, 1455 }));

    auto *download = new QPushButton(QStringLiteral("Download Surfkin Now!"), frame);
    download->setObjectName(QStringLiteral("Command1"));
    download->setGeometry(toPixels({ 120, 2160, 5295, 375 }));
    connect(download, &QPushButton::clicked, this,
        [this] { m_workspace.openBrowserWindow(QString::fromLatin1(downloadAddress)); });
}
