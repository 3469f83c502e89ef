// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "common/core/twips.h"
#include "support/fakeworkspace.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrlQuery>

#include <memory>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void placements_data();
    void placements();
    void etchedSeparator();
    void texts_data();
    void texts();
    void companionDescription();
    void programIcon();
    void hidesAndStaysLoaded_data();
    void hidesAndStaysLoaded();
    void downloadOpensOneWindowPerClick_data();
    void downloadOpensOneWindowPerClick();

private:
    QRect pixels(const QRectF &twips) const
    {
        return Twips::toPixels(twips, m_about->logicalDpiX());
    }
    int pixels(double twips) const { return Twips::toPixels(twips, m_about->logicalDpiX()); }
    void showAndActivate();

    std::unique_ptr<FakeWorkspace> m_workspace;
    std::unique_ptr<AboutWindow> m_about;
};

void TestAboutWindow::init()
{
    m_workspace = std::make_unique<FakeWorkspace>();
    m_about = std::make_unique<AboutWindow>(*m_workspace);
}

void TestAboutWindow::cleanup()
{
    m_about.reset();
    m_workspace.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestAboutWindow::showAndActivate()
{
    m_about->show();
    m_about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
}

void TestAboutWindow::windowFrame()
{
    QCOMPARE(m_about->objectName(), QStringLiteral("frmabt"));
    QCOMPARE(m_about->windowTitle(), QStringLiteral("About Orbello's Web Viewer"));
    // A utility window stays out of the task bar.
    QCOMPARE(m_about->windowType(), Qt::Tool);
    QVERIFY(!(m_about->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(m_about->windowFlags() & Qt::WindowMaximizeButtonHint));
    auto *ok = m_about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok && ok->isDefault());

    showAndActivate();
    const QSize client(pixels(5730), pixels(5355));
    QCOMPARE(m_about->size(), client);
    QCOMPARE(m_about->minimumSize(), client);
    QCOMPARE(m_about->maximumSize(), client);
}

void TestAboutWindow::placements_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRectF>("twips");

    QTest::newRow("picIcon") << "picIcon"
                             << "frmabt" << QRectF(240, 120, 480, 480);
    QTest::newRow("lblTitle") << "lblTitle"
                              << "frmabt" << QRectF(1050, 240, 3885, 480);
    QTest::newRow("lblVersion") << "lblVersion"
                                << "frmabt" << QRectF(1050, 780, 3885, 225);
    QTest::newRow("lblDescription") << "lblDescription"
                                    << "frmabt" << QRectF(1080, 1125, 3885, 570);
    QTest::newRow("cmdOK") << "cmdOK"
                           << "frmabt" << QRectF(4320, 2280, 1260, 345);
    QTest::newRow("Frame1") << "Frame1"
                            << "frmabt" << QRectF(120, 2640, 5535, 2655);
    QTest::newRow("Label2 in the frame") << "Label2"
                                         << "Frame1" << QRectF(240, 360, 5055, 1455);
    QTest::newRow("Command1 in the frame") << "Command1"
                                           << "Frame1" << QRectF(120, 2160, 5295, 375);
}

void TestAboutWindow::placements()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRectF, twips);

    showAndActivate();
    auto *control = m_about->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QVERIFY(control->isVisible());
    QRect expected = pixels(twips);
    // A label grows downwards until its text fits, whatever the font.
    if (auto *label = qobject_cast<QLabel *>(control))
        expected.setHeight(qMax(expected.height(), label->heightForWidth(expected.width())));
    QCOMPARE(control->geometry(), expected);
}

void TestAboutWindow::etchedSeparator()
{
    showAndActivate();
    auto *grey = m_about->findChild<QWidget *>(QStringLiteral("Line1_1"));
    auto *white = m_about->findChild<QWidget *>(QStringLiteral("Line1_0"));
    QVERIFY(grey && white);

    const QPoint start(pixels(120), pixels(2160));
    QCOMPARE(QRect(grey->mapTo(m_about.get(), QPoint()), grey->size()),
        QRect(start, QPoint(pixels(5684) - 1, start.y())));
    QCOMPARE(QRect(white->mapTo(m_about.get(), QPoint()), white->size()),
        QRect(start, QPoint(pixels(5669) - 1, start.y() + 1)));
    QCOMPARE(grey->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(white->palette().color(QPalette::Window), QColor(Qt::white));

    // Grey on top, the white's second row below it: the etched look.
    const QImage image = m_about->grab().toImage();
    const QPoint middle(pixels(2800), start.y());
    QCOMPARE(image.pixelColor(middle * m_about->devicePixelRatio()), QColor(128, 128, 128));
    QCOMPARE(
        image.pixelColor((middle + QPoint(0, 1)) * m_about->devicePixelRatio()), QColor(Qt::white));
}

void TestAboutWindow::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("lblTitle") << "lblTitle"
                              << "Orbello's Web Viewer";
    QTest::newRow("lblVersion") << "lblVersion"
                                << "Version 0.04";
    QTest::newRow("lblDescription") << "lblDescription"
                                    << "A web browser for IE lovers with the nosense of IE removed "
                                       "and many useful features added in.";
    QTest::newRow("cmdOK") << "cmdOK"
                           << "OK";
    QTest::newRow("Frame1") << "Frame1"
                            << "About Orbello's Surfkin";
    QTest::newRow("Command1") << "Command1"
                              << "Download Surfkin Now!";
}

void TestAboutWindow::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QObject *control = m_about->findChild<QObject *>(name);
    QVERIFY(control);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        QCOMPARE(frame->title(), text);
    else
        QFAIL("not a label, button or frame");
}

void TestAboutWindow::companionDescription()
{
    auto *label = m_about->findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(label);
    const QString text = label->text();
    QVERIFY(text.contains(QStringLiteral("Orbello's Surfkin")));
    for (const char *part : { "mini web browser", "html editor", "searches all search engines",
             "system locker", "locks your computer" })
        QVERIFY2(text.contains(QLatin1String(part)), part);
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("[.!?](\\s|$)"))), 2);

    showAndActivate();
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
        "the description does not fit its label");
}

void TestAboutWindow::programIcon()
{
    showAndActivate();
    auto *icon = m_about->findChild<QLabel *>(QStringLiteral("picIcon"));
    QVERIFY(icon);
    QVERIFY(!icon->pixmap().isNull());

    // The picture fills its place: what differs from the background spans most of the box.
    const QImage shown = icon->grab().toImage();
    const QColor background = m_about->palette().color(QPalette::Window);
    int left = shown.width();
    int right = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixelColor(x, y) != background) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    QVERIFY2(right - left + 1 > shown.width() / 2,
        qPrintable(QStringLiteral("picture spans %1 of %2 pixels")
                       .arg(right - left + 1)
                       .arg(shown.width())));
}

void TestAboutWindow::hidesAndStaysLoaded_data()
{
    QTest::addColumn<int>("key"); // 0: a click on OK

    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAboutWindow::hidesAndStaysLoaded()
{
    QFETCH(int, key);

    showAndActivate();
    auto *label = m_about->findChild<QLabel *>(QStringLiteral("Label2"));
    QPointer<QLabel> description(label);
    const QString text = label->text();

    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(
            m_about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(!m_about->isVisible());
    QVERIFY(m_workspace->openedBrowserAddresses.isEmpty());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(description);
    showAndActivate();
    QCOMPARE(description->text(), text);
}

void TestAboutWindow::downloadOpensOneWindowPerClick_data()
{
    QTest::addColumn<int>("clicks");

    QTest::newRow("one click") << 1;
    QTest::newRow("three clicks") << 3;
}

void TestAboutWindow::downloadOpensOneWindowPerClick()
{
    QFETCH(int, clicks);

    showAndActivate();
    auto *download = m_about->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(download);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(download, Qt::LeftButton);

    QCOMPARE(m_workspace->openedBrowserAddresses.size(), clicks);
    for (const QString &address : std::as_const(m_workspace->openedBrowserAddresses)) {
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid() && !url.host().isEmpty(), qPrintable(address));
        QCOMPARE(url.path(), QStringLiteral("/detail.php3"));
        QVERIFY(!QUrlQuery(url).queryItemValue(QStringLiteral("fid")).isEmpty());
    }
    QVERIFY(m_about->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
