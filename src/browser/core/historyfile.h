// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// history.txt, the typed-address history all browser windows share: one address per line, oldest
// first, only ever appended to or deleted whole. Every call opens and closes the file itself.
class HistoryFile
{
public:
    explicit HistoryFile(QString path);

    const QString &path() const { return m_path; }

    // Every field of the file in order; nothing when it is missing or unreadable. A blank line is
    // an empty address (what submitting an empty box stores) and a number stays the text it is.
    QStringList load() const;
    bool holds(const QString &address) const;
    // Appends the address unless a field of the file already equals it. Addresses the reader would
    // not give back whole (a comma, a quote, surrounding spaces) are written quoted. False only
    // when the file could not be written; the caller has no message for that and goes on.
    bool addIfMissing(const QString &address) const;
    // Deletes the file; a missing file is no failure.
    void clear() const;

private:
    QString m_path;
};
