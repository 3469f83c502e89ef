// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QComboBox;
class QKeySequence;
class QWidget;
class WebControl;

// The keys a desktop browser user expects beyond the menus: zoom in, out and back to actual size
// (per window), Back and Forward, Refresh (F5 and Ctrl+R), Stop and going to the address box.
class BrowserKeys : public QObject
{
    Q_OBJECT

public:
    BrowserKeys(WebControl *web, QComboBox *addressBox, QWidget *window);

    double zoomFactor() const { return m_zoom; }

private:
    template <typename Handler>
    void bind(QWidget *scope, const QKeySequence &keys, Handler handler);
    void zoomTo(double factor);
    void goToAddressBox();

    WebControl *m_web;
    QComboBox *m_addressBox;
    double m_zoom;
};
