// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/core/favouritesstore.h"

#include "common/core/datafile.h"
#include "common/core/listfieldreader.h"

#include <QFileInfo>

#include <utility>

FavouritesStore::FavouritesStore(QString filePath)
    : m_filePath(std::move(filePath))
{
}

void FavouritesStore::load()
{
    m_names.clear();
    m_addresses.clear();
    m_current = -1;
    const std::optional<QString> text = DataFile::readText(m_filePath);
    m_loadFailed = !text && QFileInfo::exists(m_filePath);
    if (!text)
        return;
    ListFieldReader reader(*text);
    // A file written elsewhere may hold more than the lists allow; all of it is kept, so the next
    // save does not lose the surplus. Only Add stops at the limit.
    while (true) {
        std::optional<QString> name = reader.next();
        std::optional<QString> address = reader.next();
        if (!name || !address)
            return;
        m_names.append(*name);
        m_addresses.append(*address);
    }
}

bool FavouritesStore::save()
{
    // After a failed load the lists do not hold what the file does; replacing it would lose that.
    const bool written
        = !m_loadFailed && DataFile::replace(m_filePath, serialize(m_names, m_addresses));
    m_current = count() - 1;
    return written;
}

bool FavouritesStore::add(const QString &name, const QString &address)
{
    if (count() >= maxEntries)
        return false;
    m_names.append(name);
    m_addresses.append(address);
    return true;
}

void FavouritesStore::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    m_addresses.removeAt(index);
    m_names.removeAt(index);
    // Like a list box losing its selected item: nothing is current then.
    if (m_current == index)
        m_current = -1;
    else if (m_current > index)
        --m_current;
}

void FavouritesStore::setCurrentIndex(int index)
{
    m_current = (index >= 0 && index < count()) ? index : -1;
}

QByteArray FavouritesStore::serialize(const QStringList &names, const QStringList &addresses)
{
    QString text;
    for (qsizetype i = 0; i < names.size() && i < addresses.size(); ++i)
        text += quoteField(names[i]) + u',' + quoteField(addresses[i]) + QStringLiteral("\r\n");
    return DataFile::encode(text);
}
