// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/fontproperties.h"

#include "common/dialogs.h"
#include "textpad/richtext/richtextcontrol.h"

FontProperties::FontProperties(
    QWidget *window, RichTextControl *tb, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_tb(tb)
    , m_dialogs(dialogs)
    , m_font(tb->document()->defaultFont())
    , m_color(Qt::black)
{
}

namespace {
// Writes a property only where the selection does not have it already (a mixed one always), so a
// dialog that changes nothing leaves the document unchanged.
template <typename T, typename Setter>
void applyChanged(RichTextControl *tb, const std::optional<T> &current, const T &wanted, Setter set)
{
    if (current != wanted)
        (tb->*set)(wanted);
}
} // namespace

void FontProperties::run()
{
    fillFromSelection();
    const QFont chosen = m_dialogs.chooseFont(m_window, m_font).font;
    m_font.setFamily(chosen.family());
    if (chosen.pointSizeF() > 0)
        m_font.setPointSizeF(chosen.pointSizeF());
    m_font.setBold(chosen.bold());
    m_font.setItalic(chosen.italic());
    m_font.setStrikeOut(chosen.strikeOut());
    m_font.setUnderline(chosen.underline());
    applyToSelection();
}

void FontProperties::fillFromSelection()
{
    if (const auto name = m_tb->selFontName())
        m_font.setFamily(*name);
    if (const auto color = m_tb->selColor())
        m_color = *color;
    if (const auto bold = m_tb->selBold())
        m_font.setBold(*bold);
    if (const auto italic = m_tb->selItalic())
        m_font.setItalic(*italic);
    if (const auto strikeThru = m_tb->selStrikeThru())
        m_font.setStrikeOut(*strikeThru);
    if (const auto underline = m_tb->selUnderline())
        m_font.setUnderline(*underline);
    if (const auto size = m_tb->selFontSize())
        m_font.setPointSizeF(*size);
}

void FontProperties::applyToSelection()
{
    applyChanged(m_tb, m_tb->selFontName(), m_font.family(), &RichTextControl::setSelFontName);
    applyChanged(m_tb, m_tb->selColor(), m_color, &RichTextControl::setSelColor);
    applyChanged(m_tb, m_tb->selBold(), m_font.bold(), &RichTextControl::setSelBold);
    applyChanged(m_tb, m_tb->selItalic(), m_font.italic(), &RichTextControl::setSelItalic);
    applyChanged(
        m_tb, m_tb->selStrikeThru(), m_font.strikeOut(), &RichTextControl::setSelStrikeThru);
    applyChanged(m_tb, m_tb->selUnderline(), m_font.underline(), &RichTextControl::setSelUnderline);
    applyChanged(m_tb, m_tb->selFontSize(), m_font.pointSizeF(), &RichTextControl::setSelFontSize);
}
