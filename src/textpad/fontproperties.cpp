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

void FontProperties::run()
{
    fillFromSelection();
    const QFont chosen = m_dialogs.chooseFont(m_window, m_font).font;
    m_font.setFamily(chosen.family());
    if (chosen.pointSizeF() > 0)
        m_font.setPointSizeF(chosen.pointSizeF());
    m_font.setBold(chosen.bold());
    m_font.setItalic(chosen.italic());
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
    m_tb->setSelFontName(m_font.family());
    m_tb->setSelColor(m_color);
    m_tb->setSelBold(m_font.bold());
    m_tb->setSelItalic(m_font.italic());
    m_tb->setSelStrikeThru(m_font.strikeOut());
    m_tb->setSelUnderline(m_font.underline());
    m_tb->setSelFontSize(m_font.pointSizeF());
}
