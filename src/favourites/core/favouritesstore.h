// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The favourites: (name, address) pairs kept as two parallel lists in the order they were added,
// with one current entry, read from and written whole to favourites.dat. Every change goes through
// methods that touch both lists, so they never get out of step.
class FavouritesStore
{
public:
    // The list boxes index entries with a 16-bit signed integer.
    static constexpr int maxEntries = 32767;

    explicit FavouritesStore(QString filePath);

    const QString &filePath() const { return m_filePath; }

    // Replaces the lists with the pairs the file holds, read two fields at a time; a name left
    // without an address at the end is dropped. A missing or unreadable file leaves them empty.
    // Nothing is current afterwards.
    void load();
    // The file is there but could not be read: saves then leave it alone.
    bool loadFailed() const { return m_loadFailed; }

    // Rewrites the file from the lists (an empty list leaves an empty file) and makes the last
    // entry current. False when the file could not be written or the last load failed; the old
    // file then stays as it was.
    bool save();

    // Appends a pair as given (empty texts and duplicates included). False, changing nothing, when
    // the lists are full.
    bool add(const QString &name, const QString &address);
    // Removes the pair at `index`; out-of-range indexes change nothing.
    void removeAt(int index);

    int count() const { return m_names.size(); }
    const QStringList &names() const { return m_names; }
    const QStringList &addresses() const { return m_addresses; }

    // -1 when nothing is current; out-of-range indexes become -1.
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);

    // The file's bytes for the given pairs: "name","address" CR LF per pair, quotes inside doubled.
    static QByteArray serialize(const QStringList &names, const QStringList &addresses);

private:
    QString m_filePath;
    QStringList m_names;
    QStringList m_addresses;
    int m_current = -1;
    bool m_loadFailed = false;
};
