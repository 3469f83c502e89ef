// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The history list under the address box: entries in the order they were added, repeats allowed.
// Each entry is also kept case-folded (shared with the entry when folding changes nothing), so the
// case-insensitive prefix search of every key release stays fast on a long history.
class HistoryList
{
public:
    HistoryList() = default;
    explicit HistoryList(QStringList entries);

    const QStringList &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    const QString &at(qsizetype index) const { return m_entries.at(index); }

    void append(const QString &entry);
    void clear();

    // The first entry that begins with `text`, ignoring case, searching from the entry after
    // `start` to the end and then from the beginning up to and including `start` (the order of the
    // combo box's own find-string search). -1 when none matches, and for empty text, which would
    // otherwise complete an empty box to an arbitrary entry.
    qsizetype find(QStringView text, qsizetype start = 0) const;

private:
    qsizetype findFolded(const QString &folded, qsizetype from, qsizetype to) const;

    QStringList m_entries;
    QStringList m_folded;
};
