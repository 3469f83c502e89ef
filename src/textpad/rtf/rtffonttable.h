// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

namespace textpad::richtext {

// The \fonttbl of a file: font numbers to family names and character sets.
class RtfFontTable
{
public:
    void beginEntry(int number);
    void setCharset(int charset);
    void appendText(QStringView text); // a ';' ends the entry's name
    void endEntry();

    QString name(int number) const { return m_fonts.value(number).name; }
    int charset(int number) const { return m_fonts.value(number).charset; }

private:
    struct Font
    {
        QString name;
        int charset = -1;
    };
    QHash<int, Font> m_fonts;
    int m_number = -1;
    Font m_pending;
};

} // namespace textpad::richtext
