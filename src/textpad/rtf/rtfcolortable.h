// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QVector>

namespace textpad::richtext {

// The \colortbl of a file. An entry without components (usually the first) is the automatic colour.
class RtfColorTable
{
public:
    void setRed(int value) { m_red = clamp(value); }
    void setGreen(int value) { m_green = clamp(value); }
    void setBlue(int value) { m_blue = clamp(value); }
    void appendText(QStringView text); // every ';' ends an entry

    QColor color(int index) const { return m_colors.value(index); }

private:
    static int clamp(int value) { return qBound(0, value, 255); }

    QVector<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
};

} // namespace textpad::richtext
