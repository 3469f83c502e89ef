// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/core/addressboxmodel.h"

#include "browser/core/addressurl.h"

#include <algorithm>
#include <utility>

namespace {
const QString httpPrefix = QStringLiteral("http://");
}

QString withHttpPrefix(const QString &text)
{
    // A local path has no drive letter here, so no ":" either; the rule is for web addresses.
    if (isLocalPath(text) || text.contains(u':') || !text.contains(u'.'))
        return text;
    return httpPrefix + text;
}

void AddressBoxModel::setHistory(QStringList entries)
{
    m_history = HistoryList(std::move(entries));
    m_listIndex = -1;
}

void AddressBoxModel::appendToHistory(const QString &address)
{
    m_history.append(address);
}

void AddressBoxModel::clearHistory()
{
    m_history.clear();
    m_listIndex = -1;
}

void AddressBoxModel::setEdit(const QString &text, qsizetype selStart, qsizetype selLength)
{
    if (m_listIndex >= 0 && m_history.at(m_listIndex) != text)
        m_listIndex = -1;
    m_text = text;
    select(selStart, selLength);
}

void AddressBoxModel::setText(const QString &text)
{
    setEdit(text, text.size(), 0);
}

bool AddressBoxModel::keyReleased(ReleasedKey key)
{
    applyHttpRule();
    if (key == ReleasedKey::Other || key == ReleasedKey::Enter)
        complete();
    return key == ReleasedKey::Enter;
}

void AddressBoxModel::applyHttpRule()
{
    const QString prefixed = withHttpPrefix(m_text);
    if (prefixed.size() == m_text.size())
        return;
    const qsizetype caret = m_selStart;
    setEdit(prefixed, caret + httpPrefix.size(), 0);
}

void AddressBoxModel::complete()
{
    const qsizetype found = m_history.find(m_text);
    if (found < 0 || found == m_listIndex)
        return;
    const qsizetype typedLength = m_text.size();
    m_listIndex = found;
    m_text = m_history.at(found);
    select(typedLength, m_text.size() - typedLength);
}

QString AddressBoxModel::submitAddress()
{
    if (m_selLength == 0 || m_selLength == m_text.size())
        return m_text;
    // Only the selected range goes: other occurrences of the same characters are part of the
    // address.
    const QString address = QString(m_text).remove(m_selStart, m_selLength);
    setText(address);
    return address;
}

std::optional<QString> AddressBoxModel::listEntryChosen(qsizetype index)
{
    if (index < 0 || index >= m_history.size())
        return std::nullopt;
    m_listIndex = index;
    if (m_text != m_history.at(index)) {
        m_text = m_history.at(index);
        select(m_text.size(), 0);
    }
    if (!m_droppedDown)
        return std::nullopt;
    m_droppedDown = false;
    return m_text;
}

bool AddressBoxModel::doubleClicked()
{
    if (m_selStart < m_text.size())
        return false;
    select(0, m_text.size());
    return true;
}

void AddressBoxModel::select(qsizetype start, qsizetype length)
{
    m_selStart = std::clamp<qsizetype>(start, 0, m_text.size());
    m_selLength = std::clamp<qsizetype>(length, 0, m_text.size() - m_selStart);
}
