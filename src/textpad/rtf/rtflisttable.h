// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfmodel.h"

#include <QHash>
#include <QVector>

namespace textpad::richtext {

// \listtable and \listoverridetable: what kind of marker a paragraph with \lsN\ilvlM shows.
class RtfListTable
{
public:
    struct LevelStyle
    {
        ListKind kind = ListKind::Bullet;
        NumberStyle numberStyle = NumberStyle::Decimal;
    };

    // \listtable
    void beginList();
    void beginLevel();
    void setLevelFormat(int nfc);
    void setListId(int id);
    // \listoverridetable
    void beginOverride();
    void setOverrideListId(int id);
    void setOverrideNumber(int ls);

    bool contains(int ls) const { return m_overrides.contains(ls); }
    LevelStyle style(int ls, int level) const;

private:
    struct List
    {
        int id = 0;
        QVector<LevelStyle> levels;
    };
    QVector<List> m_lists;
    QHash<int, int> m_listIndexes; // \listid -> index into m_lists
    QHash<int, int> m_overrides; // \ls number -> \listid
    int m_overrideListId = 0;
    int m_overrideNumber = -1;
};

} // namespace textpad::richtext
