// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtffonttable.h"

namespace textpad::richtext {

void RtfFontTable::beginEntry(int number)
{
    endEntry();
    m_number = number;
}

void RtfFontTable::setCharset(int charset)
{
    m_pending.charset = charset;
}

void RtfFontTable::appendText(QStringView text)
{
    while (!text.isEmpty()) {
        const qsizetype semicolon = text.indexOf(u';');
        if (semicolon < 0) {
            m_pending.name.append(text);
            return;
        }
        m_pending.name.append(text.left(semicolon));
        endEntry();
        text = text.mid(semicolon + 1);
    }
}

void RtfFontTable::endEntry()
{
    if (m_number >= 0) {
        m_pending.name = m_pending.name.trimmed();
        m_fonts.insert(m_number, m_pending);
    }
    m_number = -1;
    m_pending = Font();
}

} // namespace textpad::richtext
