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
    QString field;
    ++m_pos; // opening quote
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
        break; // closing quote
    }
    return field;
}

QString ListFieldReader::readUnquoted()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != comma && !atLineEnd())
        ++m_pos;
    QStringView field = m_text.mid(start, m_pos - start);
    while (field.endsWith(u' '))
        field.chop(1);
    return field.toString();
}

void ListFieldReader::skipToSeparator()
{
    while (m_pos < m_text.size() && m_text[m_pos] != comma && !atLineEnd())
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

bool ListFieldReader::atLineEnd() const
{
    return m_text[m_pos] == cr || m_text[m_pos] == lf;
}

QString quoteField(const QString &field)
{
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
