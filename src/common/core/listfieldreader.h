// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Reads comma- and line-separated fields, the format of history.txt and favourites.dat.
// A field ends at a comma, a line end (CR LF, LF or CR) or the end of the text; spaces before it
// are skipped. A field opening with a double quote runs to the first quote followed by a
// separator or the end of the text, quotes inside kept as they are. Two quotes inside stand for
// one only where reading them so ends the field at that same quote, or where the line holds no
// such quote (the field then runs to the next single quote, and whatever follows it up to the next
// separator is dropped). An unquoted field loses its trailing spaces. A blank line is one empty
// field; a field that looks like a number is kept as the text it is.
class ListFieldReader
{
public:
    explicit ListFieldReader(QStringView text);

    // The next field, or nothing at the end of the text.
    std::optional<QString> next();

    static QStringList readAll(QStringView text);

private:
    QString readQuoted();
    QString readDoubled(bool *closed);
    // The first quote from `from` on its line that a separator or the end follows; -1 if none.
    qsizetype separatorQuoteFrom(qsizetype from);
    QString readUnquoted();
    void skipToSeparator();
    void consumeSeparator();
    bool atLineEnd(qsizetype pos) const;
    bool oldReadingBreaks(qsizetype legacyEnd) const;
    bool atSeparator(qsizetype pos) const;

    QStringView m_text;
    qsizetype m_pos = 0;
    qsizetype m_legacyScan = -1; // where the last search for such a quote stopped
};

// Writes one field so that ListFieldReader gives it back unchanged: quoted when it needs to be,
// as-is otherwise. A quote directly before a comma or line break cannot be carried.
QString quoteFieldIfNeeded(const QString &field);
// Always quoted; quotes inside are doubled only when they would not read back as they are.
QString quoteField(const QString &field);
