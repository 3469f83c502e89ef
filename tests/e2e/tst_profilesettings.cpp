// SPDX-License-Identifier: GPL-3.0-or-later
// The engine settings behind the Internet Properties dialog, on real profiles.
#include "browser/webcontrol/qtwebengine/profilesettings.h"
#include "browser/webcontrol/qtwebengine/webenginecontrol.h"
#include "e2e/enginetestutils.h"
#include "support/localhttpserver.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <memory>

using enginetest::evaluate;
using enginetest::navigateAndWait;

namespace {

// A 1x1 transparent PNG.
const QByteArray pixelPng
    = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNkYPhfDwACh"
                             "wGA60e6kgAAAABJRU5ErkJggg==");

} // namespace

class TestProfileSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsAreBlankHomeScriptsAndImages();
    void settingsOfProfileOnDiskOutliveIt();
    void offTheRecordProfileWritesNothing();
    void switchesGovernPages_data();
    void switchesGovernPages();
    void clearCookiesForgetsThem();

private:
    std::unique_ptr<QWebEngineProfile> diskProfile(const QString &name);

    QTemporaryDir m_storage;
    std::unique_ptr<LocalHttpServer> m_server;
};

void TestProfileSettings::init()
{
    QVERIFY(m_storage.isValid());
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
}

void TestProfileSettings::cleanup()
{
    m_server.reset();
}

std::unique_ptr<QWebEngineProfile> TestProfileSettings::diskProfile(const QString &name)
{
    auto profile = std::make_unique<QWebEngineProfile>(name);
    profile->setPersistentStoragePath(m_storage.filePath(QStringLiteral("storage")));
    profile->setCachePath(m_storage.filePath(QStringLiteral("cache")));
    return profile;
}

void TestProfileSettings::defaultsAreBlankHomeScriptsAndImages()
{
    QWebEngineProfile profile;
    const ProfileSettings settings(&profile);
    QCOMPARE(settings.homePage(), QUrl(QStringLiteral("about:blank")));
    QVERIFY(settings.javaScriptEnabled());
    QVERIFY(settings.imagesEnabled());
}

void TestProfileSettings::settingsOfProfileOnDiskOutliveIt()
{
    const QUrl home(QStringLiteral("http://home.example/start"));
    {
        auto profile = diskProfile(QStringLiteral("first"));
        ProfileSettings settings(profile.get());
        settings.setHomePage(home);
        settings.setJavaScriptEnabled(false);
        settings.setImagesEnabled(false);
    }

    auto profile = diskProfile(QStringLiteral("second"));
    ProfileSettings::restore(profile.get());

    const ProfileSettings settings(profile.get());
    QCOMPARE(settings.homePage(), home);
    QVERIFY(!settings.javaScriptEnabled());
    QVERIFY(!settings.imagesEnabled());
}

void TestProfileSettings::offTheRecordProfileWritesNothing()
{
    QWebEngineProfile profile;
    ProfileSettings settings(&profile);

    settings.setHomePage(QUrl(QStringLiteral("http://home.example/")));
    settings.setJavaScriptEnabled(false);

    QCOMPARE(settings.homePage(), QUrl(QStringLiteral("http://home.example/")));
    QVERIFY(!settings.javaScriptEnabled());
    QVERIFY(!QFileInfo::exists(
        QDir(profile.persistentStoragePath()).filePath(QStringLiteral("internet-properties.ini"))));
}

void TestProfileSettings::switchesGovernPages_data()
{
    QTest::addColumn<bool>("javaScript");
    QTest::addColumn<bool>("images");
    QTest::newRow("both on") << true << true;
    QTest::newRow("scripts off") << false << true;
    QTest::newRow("images off") << true << false;
}

void TestProfileSettings::switchesGovernPages()
{
    QFETCH(bool, javaScript);
    QFETCH(bool, images);
    m_server->serveHtml(QStringLiteral("/page"),
        QStringLiteral("<title>Static</title><img src='/pixel.png'>"
                       "<script>document.title = 'Scripted'</script>"));
    m_server->serve(QStringLiteral("/pixel.png"), "image/png", pixelPng);
    QWebEngineProfile profile;
    ProfileSettings settings(&profile);
    settings.setJavaScriptEnabled(javaScript);
    settings.setImagesEnabled(images);
    WebEngineControl control(&profile);

    QVERIFY(navigateAndWait(control, m_server->url(QStringLiteral("/page")).toString()));

    QTRY_COMPARE(
        control.locationName(), javaScript ? QStringLiteral("Scripted") : QStringLiteral("Static"));
    if (images)
        QTRY_VERIFY(m_server->requestedPaths().contains(QStringLiteral("/pixel.png")));
    else
        QVERIFY(!m_server->requestedPaths().contains(QStringLiteral("/pixel.png")));
    // The control's own scripts (Save, Source Code) work with the page's scripts switched off.
    std::optional<QString> markup;
    control.requestMarkup([&markup](const QString &text) { markup = text; });
    QTRY_VERIFY(markup.has_value());
    QVERIFY(markup->contains(QStringLiteral("<img src=\"/pixel.png\">")));
}

void TestProfileSettings::clearCookiesForgetsThem()
{
    m_server->serveHtml(QStringLiteral("/cookie"), QStringLiteral("<title>Cookie</title>"));
    QWebEngineProfile profile;
    WebEngineControl control(&profile);
    const QString address = m_server->url(QStringLiteral("/cookie")).toString();
    QVERIFY(navigateAndWait(control, address));
    evaluate(control.page(), QStringLiteral("document.cookie = 'kept=yes; max-age=3600'"));
    QCOMPARE(evaluate(control.page(), QStringLiteral("document.cookie")).toString(),
        QStringLiteral("kept=yes"));

    ProfileSettings(&profile).clearCookies();

    QTRY_COMPARE(evaluate(control.page(), QStringLiteral("document.cookie")).toString(), QString());
}

QTEST_MAIN(TestProfileSettings)
#include "tst_profilesettings.moc"
