// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace textpad::richtext {

// What the reader does with a control word; words it does not know map to Unknown and are ignored.
enum class RtfWord : unsigned char {
    Unknown,
    // Destinations
    SkipDestination,
    ShapePropertyName,
    ShapePropertyValue,
    PassThrough,
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    Picture,
    Field,
    FieldInstruction,
    FieldResult,
    ParagraphNumbering,
    // Document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    // Characters
    Character,
    // Character formats
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Foreground,
    Background,
    HiddenText,
    // Paragraph formats
    Par,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    InTable,
    Cell,
    Row,
    ListNumber,
    ListLevelNumber,
    // Tables inside the header
    FontCharset,
    Red,
    Green,
    Blue,
    List,
    ListLevel,
    LevelFormat,
    ListId,
    ListOverride,
    // Old-style numbering (\pn)
    PnBullet,
    PnBody,
    PnLevel,
    PnDecimal,
    PnUpperRoman,
    PnLowerRoman,
    PnUpperLetter,
    PnLowerLetter,
    // Pictures
    PngBlip,
    JpegBlip,
    OtherBlip,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
};

struct RtfControlWord
{
    RtfWord word = RtfWord::Unknown;
    char16_t character = 0; // for RtfWord::Character
};

RtfControlWord lookupControlWord(QByteArrayView name);

} // namespace textpad::richtext
