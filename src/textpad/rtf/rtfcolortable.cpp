// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfcolortable.h"

namespace textpad::richtext {

void RtfColorTable::appendText(QStringView text)
{
    for (const QChar c : text) {
        if (c != u';')
            continue;
        if (m_red < 0 && m_green < 0 && m_blue < 0)
            m_colors.append(QColor());
        else
            m_colors.append(QColor(qMax(m_red, 0), qMax(m_green, 0), qMax(m_blue, 0)));
        m_red = m_green = m_blue = -1;
    }
}

} // namespace textpad::richtext
