// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/internetpropertiesdialog.h"

#include "browser/webcontrol/enginesettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString blankPage = QStringLiteral("about:blank");

QPushButton *addButton(QGroupBox *group, QHBoxLayout *row, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, group);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

InternetPropertiesDialog::InternetPropertiesDialog(
    EngineSettings &settings, const QString &currentAddress, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("internetProperties"));
    setWindowTitle(QStringLiteral("Internet Properties"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &InternetPropertiesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createHomePageGroup(currentAddress));
    layout->addWidget(createHistoryGroup());
    layout->addWidget(createContentGroup());
    layout->addWidget(buttons);
}

QWidget *InternetPropertiesDialog::createHomePageGroup(const QString &currentAddress)
{
    auto *group = new QGroupBox(QStringLiteral("Home page"), this);
    m_homePage = new QLineEdit(m_settings.homePage().toString(), group);
    m_homePage->setObjectName(QStringLiteral("homePage"));
    m_homePage->setAccessibleName(QStringLiteral("Home page address"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    QPushButton *current = addButton(group, row, "useCurrent", QStringLiteral("Use &Current"));
    current->setEnabled(!currentAddress.isEmpty());
    connect(current, &QPushButton::clicked, this,
        [this, currentAddress] { m_homePage->setText(currentAddress); });
    QPushButton *blank = addButton(group, row, "useBlank", QStringLiteral("Use &Blank"));
    connect(blank, &QPushButton::clicked, this, [this] { m_homePage->setText(blankPage); });
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_homePage);
    layout->addLayout(row);
    return group;
}

QWidget *InternetPropertiesDialog::createHistoryGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Browsing history"), this);
    auto *row = new QHBoxLayout;
    m_cleared = new QLabel(group);
    m_cleared->setObjectName(QStringLiteral("cleared"));
    row->addWidget(m_cleared, 1);
    QPushButton *cache = addButton(group, row, "clearCache", QStringLiteral("Clear C&ache"));
    connect(cache, &QPushButton::clicked, this, [this] {
        m_settings.clearCache();
        m_cleared->setText(QStringLiteral("The cache is cleared."));
    });
    QPushButton *cookies = addButton(group, row, "clearCookies", QStringLiteral("Clear C&ookies"));
    connect(cookies, &QPushButton::clicked, this, [this] {
        m_settings.clearCookies();
        m_cleared->setText(QStringLiteral("The cookies are cleared."));
    });
    auto *layout = new QVBoxLayout(group);
    layout->addLayout(row);
    return group;
}

QWidget *InternetPropertiesDialog::createContentGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Content"), this);
    m_javaScript = new QCheckBox(QStringLiteral("Enable &JavaScript"), group);
    m_javaScript->setObjectName(QStringLiteral("javaScript"));
    m_javaScript->setChecked(m_settings.javaScriptEnabled());
    m_images = new QCheckBox(QStringLiteral("Show &pictures"), group);
    m_images->setObjectName(QStringLiteral("images"));
    m_images->setChecked(m_settings.imagesEnabled());
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_javaScript);
    layout->addWidget(m_images);
    return group;
}

void InternetPropertiesDialog::accept()
{
    // Only what changed is written, so an unchanged OK leaves the stored settings alone.
    const QString typed = m_homePage->text().trimmed();
    const QUrl home = typed.isEmpty() ? QUrl(blankPage) : QUrl::fromUserInput(typed);
    if (home != m_settings.homePage())
        m_settings.setHomePage(home);
    if (m_javaScript->isChecked() != m_settings.javaScriptEnabled())
        m_settings.setJavaScriptEnabled(m_javaScript->isChecked());
    if (m_images->isChecked() != m_settings.imagesEnabled())
        m_settings.setImagesEnabled(m_images->isChecked());
    QDialog::accept();
}
