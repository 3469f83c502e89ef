// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfcontrolword.h"

#include <QHash>

namespace textpad::richtext {

namespace {

struct Entry
{
    const char *name;
    RtfWord word;
    char16_t character;
};

// Destinations whose content is never document text: metadata, styles, headers and footers,
// alternative representations of pictures, list markers written out for old readers.
constexpr Entry entries[] = {
    { "stylesheet", RtfWord::SkipDestination, 0 },
    { "info", RtfWord::SkipDestination, 0 },
    { "header", RtfWord::SkipDestination, 0 },
    { "headerl", RtfWord::SkipDestination, 0 },
    { "headerr", RtfWord::SkipDestination, 0 },
    { "headerf", RtfWord::SkipDestination, 0 },
    { "footer", RtfWord::SkipDestination, 0 },
    { "footerl", RtfWord::SkipDestination, 0 },
    { "footerr", RtfWord::SkipDestination, 0 },
    { "footerf", RtfWord::SkipDestination, 0 },
    { "footnote", RtfWord::SkipDestination, 0 },
    { "annotation", RtfWord::SkipDestination, 0 },
    { "pntext", RtfWord::SkipDestination, 0 },
    { "listtext", RtfWord::SkipDestination, 0 },
    { "pntxta", RtfWord::SkipDestination, 0 },
    { "pntxtb", RtfWord::SkipDestination, 0 },
    { "nonshppict", RtfWord::SkipDestination, 0 },
    { "shprslt", RtfWord::SkipDestination, 0 },
    { "sn", RtfWord::ShapePropertyName, 0 },
    { "objdata", RtfWord::SkipDestination, 0 },
    { "xe", RtfWord::SkipDestination, 0 },
    { "tc", RtfWord::SkipDestination, 0 },
    { "txe", RtfWord::SkipDestination, 0 },
    { "ftnsep", RtfWord::SkipDestination, 0 },
    { "ftnsepc", RtfWord::SkipDestination, 0 },
    { "aftnsep", RtfWord::SkipDestination, 0 },
    { "aftnsepc", RtfWord::SkipDestination, 0 },
    { "private", RtfWord::SkipDestination, 0 },
    { "revtbl", RtfWord::SkipDestination, 0 },
    { "filetbl", RtfWord::SkipDestination, 0 },
    { "sv", RtfWord::ShapePropertyValue, 0 },
    { "shp", RtfWord::PassThrough, 0 },
    { "shpinst", RtfWord::PassThrough, 0 },
    { "shppict", RtfWord::PassThrough, 0 },
    { "sp", RtfWord::PassThrough, 0 },
    { "object", RtfWord::PassThrough, 0 },
    { "result", RtfWord::PassThrough, 0 },
    { "fonttbl", RtfWord::FontTable, 0 },
    { "colortbl", RtfWord::ColorTable, 0 },
    { "listtable", RtfWord::ListTable, 0 },
    { "listoverridetable", RtfWord::ListOverrideTable, 0 },
    { "pict", RtfWord::Picture, 0 },
    { "field", RtfWord::Field, 0 },
    { "fldinst", RtfWord::FieldInstruction, 0 },
    { "fldrslt", RtfWord::FieldResult, 0 },
    { "pn", RtfWord::ParagraphNumbering, 0 },
    { "ansi", RtfWord::Ansi, 0 },
    { "mac", RtfWord::Mac, 0 },
    { "pc", RtfWord::Pc, 0 },
    { "pca", RtfWord::Pca, 0 },
    { "ansicpg", RtfWord::AnsiCodePage, 0 },
    { "deff", RtfWord::DefaultFont, 0 },
    { "uc", RtfWord::UnicodeSkip, 0 },
    { "u", RtfWord::Unicode, 0 },
    { "line", RtfWord::Character, 0x2028 },
    { "tab", RtfWord::Character, u'\t' },
    { "emdash", RtfWord::Character, 0x2014 },
    { "endash", RtfWord::Character, 0x2013 },
    { "emspace", RtfWord::Character, 0x2003 },
    { "enspace", RtfWord::Character, 0x2002 },
    { "qmspace", RtfWord::Character, 0x2005 },
    { "lquote", RtfWord::Character, 0x2018 },
    { "rquote", RtfWord::Character, 0x2019 },
    { "ldblquote", RtfWord::Character, 0x201C },
    { "rdblquote", RtfWord::Character, 0x201D },
    { "bullet", RtfWord::Character, 0x2022 },
    { "zwj", RtfWord::Character, 0x200D },
    { "zwnj", RtfWord::Character, 0x200C },
    { "plain", RtfWord::Plain, 0 },
    { "f", RtfWord::Font, 0 },
    { "fs", RtfWord::FontSize, 0 },
    { "b", RtfWord::Bold, 0 },
    { "i", RtfWord::Italic, 0 },
    { "ul", RtfWord::Underline, 0 },
    { "uld", RtfWord::Underline, 0 },
    { "uldash", RtfWord::Underline, 0 },
    { "uldashd", RtfWord::Underline, 0 },
    { "uldashdd", RtfWord::Underline, 0 },
    { "uldb", RtfWord::Underline, 0 },
    { "ulhwave", RtfWord::Underline, 0 },
    { "ulth", RtfWord::Underline, 0 },
    { "ulw", RtfWord::Underline, 0 },
    { "ulwave", RtfWord::Underline, 0 },
    { "ulnone", RtfWord::UnderlineNone, 0 },
    { "strike", RtfWord::Strike, 0 },
    { "striked", RtfWord::Strike, 0 },
    { "cf", RtfWord::Foreground, 0 },
    { "cb", RtfWord::Background, 0 },
    { "chcbpat", RtfWord::Background, 0 },
    { "highlight", RtfWord::Background, 0 },
    { "v", RtfWord::HiddenText, 0 },
    { "par", RtfWord::Par, 0 },
    { "pard", RtfWord::Pard, 0 },
    { "ql", RtfWord::AlignLeft, 0 },
    { "qc", RtfWord::AlignCenter, 0 },
    { "qr", RtfWord::AlignRight, 0 },
    { "qj", RtfWord::AlignJustify, 0 },
    { "li", RtfWord::LeftIndent, 0 },
    { "ri", RtfWord::RightIndent, 0 },
    { "fi", RtfWord::FirstIndent, 0 },
    { "sb", RtfWord::SpaceBefore, 0 },
    { "sa", RtfWord::SpaceAfter, 0 },
    { "intbl", RtfWord::InTable, 0 },
    { "cell", RtfWord::Cell, 0 },
    { "nestcell", RtfWord::Cell, 0 },
    { "row", RtfWord::Row, 0 },
    { "nestrow", RtfWord::Row, 0 },
    { "ls", RtfWord::ListNumber, 0 },
    { "ilvl", RtfWord::ListLevelNumber, 0 },
    { "fcharset", RtfWord::FontCharset, 0 },
    { "red", RtfWord::Red, 0 },
    { "green", RtfWord::Green, 0 },
    { "blue", RtfWord::Blue, 0 },
    { "list", RtfWord::List, 0 },
    { "listlevel", RtfWord::ListLevel, 0 },
    { "levelnfc", RtfWord::LevelFormat, 0 },
    { "levelnfcn", RtfWord::LevelFormat, 0 },
    { "listid", RtfWord::ListId, 0 },
    { "listoverride", RtfWord::ListOverride, 0 },
    { "pnlvlblt", RtfWord::PnBullet, 0 },
    { "pnlvlbody", RtfWord::PnBody, 0 },
    { "pnlvl", RtfWord::PnLevel, 0 },
    { "pndec", RtfWord::PnDecimal, 0 },
    { "pnucrm", RtfWord::PnUpperRoman, 0 },
    { "pnlcrm", RtfWord::PnLowerRoman, 0 },
    { "pnucltr", RtfWord::PnUpperLetter, 0 },
    { "pnlcltr", RtfWord::PnLowerLetter, 0 },
    { "pngblip", RtfWord::PngBlip, 0 },
    { "jpegblip", RtfWord::JpegBlip, 0 },
    { "emfblip", RtfWord::OtherBlip, 0 },
    { "macpict", RtfWord::OtherBlip, 0 },
    { "wmetafile", RtfWord::OtherBlip, 0 },
    { "dibitmap", RtfWord::OtherBlip, 0 },
    { "wbitmap", RtfWord::OtherBlip, 0 },
    { "pmmetafile", RtfWord::OtherBlip, 0 },
    { "picw", RtfWord::PictureWidth, 0 },
    { "pich", RtfWord::PictureHeight, 0 },
    { "picwgoal", RtfWord::PictureGoalWidth, 0 },
    { "pichgoal", RtfWord::PictureGoalHeight, 0 },
    { "picscalex", RtfWord::PictureScaleX, 0 },
    { "picscaley", RtfWord::PictureScaleY, 0 },
};

QHash<QByteArrayView, RtfControlWord> buildTable()
{
    QHash<QByteArrayView, RtfControlWord> table;
    table.reserve(int(std::size(entries)));
    for (const Entry &entry : entries)
        table.insert(QByteArrayView(entry.name), RtfControlWord { entry.word, entry.character });
    return table;
}

} // namespace

RtfControlWord lookupControlWord(QByteArrayView name)
{
    static const QHash<QByteArrayView, RtfControlWord> table = buildTable();
    return table.value(name);
}

} // namespace textpad::richtext
