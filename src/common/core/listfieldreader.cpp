// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/listfieldreader.h"

namespace {
constexpr QChar quote = u'"';
constexpr QChar comma = u',';
constexpr QChar cr = u'\r';
constexpr QChar lf = u'\n';
} // namespace

ListFieldReader::ListFieldReader(QStringView text)
    : m_text(text)
{
}

std::optional<QString> ListFieldReader::next()
{
    if (m_pos >= m_text.size())
        return std::nullopt;
    while (m_pos < m_text.size() && m_text[m_pos] == u' ')
        ++m_pos;
    QString field;
    if (m_pos < m_text.size() && m_text[m_pos] == quote) {
        field = readQuoted();
        skipToSeparator();
    } else {
        field = readUnquoted();
    }
    consumeSeparator();
    return field;
}

QStringList ListFieldReader::readAll(QStringView text)
{
    QStringList fields;
    ListFieldReader reader(text);
    while (auto field = reader.next())
        fields.append(*field);
    return fields;
}

QString ListFieldReader::readQuoted()
{
    const qsizetype start = ++m_pos; // past the opening quote
    const qsizetype legacyEnd = separatorQuoteFrom(start);
    bool closed = false;
    QString field = readDoubled(&closed);
    // Files written without doubling end the field at the quote before a separator. A doubled
    // quote stands for one where that reading ends the field there too, where the line has no
    // such quote, or where reading it the old way would leave the next field on the line
    // unquoted while the doubled reading closes just before a separator: a field like `a",b`
    // can only be written doubled, and the old reading would shift every field after it.
    if (legacyEnd < 0
        || (closed
            && (m_pos - 1 == legacyEnd || (atSeparator(m_pos) && oldReadingBreaks(legacyEnd)))))
        return field;
    m_pos = legacyEnd + 1;
    return m_text.sliced(start, legacyEnd - start).toString();
}

QString ListFieldReader::readDoubled(bool *closed)
{
    QString field;
    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos++];
        if (c != quote) {
            field.append(c);
            continue;
        }
        if (m_pos < m_text.size() && m_text[m_pos] == quote) {
            field.append(quote);
            ++m_pos;
            continue;
        }
        *closed = true;
        break;
    }
    return field;
}

qsizetype ListFieldReader::separatorQuoteFrom(qsizetype from)
{
    // Fields only move forwards, so one scan serves every field up to where it stopped.
    if (m_legacyScan < from) {
        m_legacyScan = from;
        while (m_legacyScan < m_text.size() && !atLineEnd(m_legacyScan)
            && !(m_text[m_legacyScan] == quote && atSeparator(m_legacyScan + 1)))
            ++m_legacyScan;
    }
    const bool found = m_legacyScan < m_text.size() && m_text[m_legacyScan] == quote;
    return found ? m_legacyScan : -1;
}

bool ListFieldReader::oldReadingBreaks(qsizetype legacyEnd) const
{
    qsizetype pos = legacyEnd + 1;
    if (pos >= m_text.size() || atLineEnd(pos))
        return false;
    ++pos; // the comma
    while (pos < m_text.size() && m_text[pos] == u' ')
        ++pos;
    return pos < m_text.size() && !atLineEnd(pos) && m_text[pos] != quote;
}

QString ListFieldReader::readUnquoted()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != comma && !atLineEnd(m_pos))
        ++m_pos;
    QStringView field = m_text.mid(start, m_pos - start);
    while (field.endsWith(u' '))
        field.chop(1);
    return field.toString();
}

void ListFieldReader::skipToSeparator()
{
    while (m_pos < m_text.size() && m_text[m_pos] != comma && !atLineEnd(m_pos))
        ++m_pos;
}

void ListFieldReader::consumeSeparator()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == cr) {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == lf)
            ++m_pos;
        return;
    }
    ++m_pos; // comma or LF
}

bool ListFieldReader::atLineEnd(qsizetype pos) const
{
    return m_text[pos] == cr || m_text[pos] == lf;
}

bool ListFieldReader::atSeparator(qsizetype pos) const
{
    return pos >= m_text.size() || m_text[pos] == comma || atLineEnd(pos);
}

QString quoteField(const QString &field)
{
    // Quotes inside stay as they are, as the format has always written them, unless the field
    // would then read back otherwise; only such a field gets them doubled.
    const QString plain = quote + field + quote;
    if (!field.contains(quote) || ListFieldReader(plain).next() == field)
        return plain;
    QString doubled = field;
    doubled.replace(quote, QStringLiteral("\"\""));
    return quote + doubled + quote;
}

QString quoteFieldIfNeeded(const QString &field)
{
    const bool needsQuotes = field.contains(comma) || field.contains(quote) || field.contains(cr)
        || field.contains(lf) || field.startsWith(u' ') || field.endsWith(u' ');
    return needsQuotes ? quoteField(field) : field;
}
