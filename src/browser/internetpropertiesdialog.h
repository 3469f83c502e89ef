// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class EngineSettings;
class QCheckBox;
class QLabel;
class QLineEdit;

// The program's Internet Properties: the web engine's home page (used by Home), clearing its cache
// and cookies, and its JavaScript and pictures switches. Clearing happens at once; the home page
// and the switches change on OK.
class InternetPropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    // `currentAddress` is what "Use Current" puts in the home page box.
    InternetPropertiesDialog(
        EngineSettings &settings, const QString &currentAddress, QWidget *parent = nullptr);

    void accept() override;

private:
    QWidget *createHomePageGroup(const QString &currentAddress);
    QWidget *createHistoryGroup();
    QWidget *createContentGroup();

    EngineSettings &m_settings;
    QLineEdit *m_homePage = nullptr;
    QCheckBox *m_javaScript = nullptr;
    QCheckBox *m_images = nullptr;
    QLabel *m_cleared = nullptr;
};
