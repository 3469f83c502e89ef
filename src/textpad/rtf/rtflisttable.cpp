// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtflisttable.h"

#include "textpad/rtf/liststyles.h"

namespace textpad::richtext {

void RtfListTable::beginList()
{
    m_lists.append(List());
}

void RtfListTable::beginLevel()
{
    if (m_lists.isEmpty())
        beginList();
    m_lists.last().levels.append(LevelStyle());
}

void RtfListTable::setLevelFormat(int nfc)
{
    if (m_lists.isEmpty() || m_lists.last().levels.isEmpty())
        return;
    const std::optional<ListStyle> style = listStyleOfNfc(nfc);
    m_lists.last().levels.last() = style ? LevelStyle { style->kind, style->numberStyle }
                                         : LevelStyle { ListKind::None, NumberStyle::Decimal };
}

void RtfListTable::setListId(int id)
{
    if (m_lists.isEmpty())
        return;
    m_lists.last().id = id;
    m_listIndexes.insert(id, int(m_lists.size()) - 1);
}

void RtfListTable::beginOverride()
{
    m_overrideListId = 0;
    m_overrideNumber = -1;
}

void RtfListTable::setOverrideListId(int id)
{
    m_overrideListId = id;
    if (m_overrideNumber >= 0)
        m_overrides.insert(m_overrideNumber, id);
}

void RtfListTable::setOverrideNumber(int ls)
{
    m_overrideNumber = ls;
    m_overrides.insert(ls, m_overrideListId);
}

RtfListTable::LevelStyle RtfListTable::style(int ls, int level) const
{
    const int index = m_listIndexes.value(m_overrides.value(ls), -1);
    if (index < 0 || m_lists.at(index).levels.isEmpty())
        return LevelStyle();
    const QVector<LevelStyle> &levels = m_lists.at(index).levels;
    return levels.at(qBound(0, level, int(levels.size()) - 1));
}

} // namespace textpad::richtext
