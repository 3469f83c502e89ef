// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/historylist.h"

#include <algorithm>

HistoryList::HistoryList(QStringList entries)
    : m_entries(std::move(entries))
{
    m_folded.reserve(m_entries.size());
    for (const QString &entry : std::as_const(m_entries))
        m_folded.append(entry.toCaseFolded());
}

void HistoryList::append(const QString &entry)
{
    m_entries.append(entry);
    m_folded.append(entry.toCaseFolded());
}

void HistoryList::clear()
{
    m_entries.clear();
    m_folded.clear();
}

qsizetype HistoryList::find(QStringView text, qsizetype start) const
{
    if (text.isEmpty() || m_entries.isEmpty())
        return -1;
    const QString folded = text.toString().toCaseFolded();
    start = std::clamp<qsizetype>(start, 0, size() - 1);
    const qsizetype found = findFolded(folded, start + 1, size());
    return found >= 0 ? found : findFolded(folded, 0, start + 1);
}

qsizetype HistoryList::findFolded(const QString &folded, qsizetype from, qsizetype to) const
{
    // Typed addresses share their beginning ("http://www.") with most entries, so the typed text's
    // last character rules out most entries before the whole prefix is compared.
    const qsizetype lastPos = folded.size() - 1;
    const QChar last = folded.at(lastPos);
    for (qsizetype index = from; index < to; ++index) {
        const QString &entry = m_folded.at(index);
        if (entry.size() > lastPos && entry.at(lastPos) == last && entry.startsWith(folded))
            return index;
    }
    return -1;
}
