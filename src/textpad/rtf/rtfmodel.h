// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QVector>

namespace textpad::richtext {

// Plain run/paragraph model shared by the reader and the writer; sizes are in RTF units
// (half points for fonts, twips for lengths) so that nothing is lost on the way through.
struct CharFormat
{
    QString font; // empty: the document's default font
    int halfPoints = 0; // 0: the document's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QColor foreground; // invalid: automatic
    QColor background; // invalid: none
    QString link;

    bool operator==(const CharFormat &other) const
    {
        return halfPoints == other.halfPoints && bold == other.bold && italic == other.italic
            && underline == other.underline && strike == other.strike
            && foreground == other.foreground && background == other.background
            && font == other.font && link == other.link;
    }
    bool operator!=(const CharFormat &other) const { return !(*this == other); }
};

enum class Alignment { Left, Center, Right, Justify };
enum class ListKind { None, Bullet, Number };
enum class NumberStyle { Decimal, UpperRoman, LowerRoman, UpperAlpha, LowerAlpha };

struct ParagraphFormat
{
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    ListKind list = ListKind::None;
    NumberStyle numberStyle = NumberStyle::Decimal;
    int listLevel = 0; // 1-based when list != None
    int listId = 0; // paragraphs with the same id and level belong to one list
};

struct Picture
{
    QByteArray data; // PNG or JPEG bytes
    int widthTwips = 0;
    int heightTwips = 0;
};

struct Run
{
    QString text;
    CharFormat format;
    int picture = -1; // index into Document::pictures; the run then has no text
};

struct Paragraph
{
    ParagraphFormat format;
    QVector<Run> runs;

    bool isEmpty() const { return runs.isEmpty(); }
};

struct Document
{
    QVector<Paragraph> paragraphs;
    QVector<Picture> pictures;
};

} // namespace textpad::richtext
