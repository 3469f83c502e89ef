// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/historyfile.h"

#include "common/core/datafile.h"
#include "common/core/listfieldreader.h"

#include <QFile>

HistoryFile::HistoryFile(QString path)
    : m_path(std::move(path))
{
}

QStringList HistoryFile::load() const
{
    const std::optional<QString> text = DataFile::readText(m_path);
    return text ? ListFieldReader::readAll(*text) : QStringList();
}

bool HistoryFile::holds(const QString &address) const
{
    const std::optional<QString> text = DataFile::readText(m_path);
    if (!text)
        return false;
    ListFieldReader reader(*text);
    while (const std::optional<QString> field = reader.next()) {
        if (*field == address)
            return true;
    }
    return false;
}

bool HistoryFile::addIfMissing(const QString &address) const
{
    return holds(address) || DataFile::appendLine(m_path, quoteFieldIfNeeded(address));
}

void HistoryFile::clear() const
{
    QFile::remove(m_path);
}
