// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Reads comma- and line-separated fields, the format of history.txt and favourites.dat.
// A field ends at a comma, a line end (CR LF, LF or CR) or the end of the text; spaces before it
// are skipped. A field opening with a double quote runs to the closing quote (two quotes inside
// stand for one, so writers can store a quote) and whatever follows up to the next separator is
// dropped; an unquoted field loses its trailing spaces. A blank line is one empty field; a field
// that looks like a number is kept as the text it is.
class ListFieldReader
{
public:
    explicit ListFieldReader(QStringView text);

    // The next field, or nothing at the end of the text.
    std::optional<QString> next();

    static QStringList readAll(QStringView text);

private:
    QString readQuoted();
    QString readUnquoted();
    void skipToSeparator();
    void consumeSeparator();
    bool atLineEnd() const;

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Writes one field so that ListFieldReader gives it back unchanged: quoted (with doubled quotes)
// when it needs to be, as-is otherwise.
QString quoteFieldIfNeeded(const QString &field);
// Always quoted, with any quote inside doubled.
QString quoteField(const QString &field);
