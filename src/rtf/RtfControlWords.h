#pragma once

#include "rtf/RtfState.h"

#include <QByteArrayView>
#include <QTextFormat>

namespace rtf {

// What a control word does; the reader switches on this.
// clang-format off
enum class Action {
    Destination,   // value: a Destination
    TextGroup,     // a destination whose text is shown as written (\pntext, \fldrslt, ...)
    UnicodeAlternative,  // \ud: shown in place of the \upr group around it
    Bold, Italic, Strike, Underline, UnderlineNone,
    FontSize, Font, Color, Highlight, Plain,
    ParagraphDefault, Align, LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter,
    LineSpacing, LineMultiple, KeepNext,
    Paragraph, Page, Character,  // value: the Unicode character inserted
    UnicodeSkip, Unicode, AnsiCodePage, CodePage, DefaultFont, FontCharset,
    RowDefaults, CellShading, CellBoundary, InTable, TableLevel, Cell, Row, NestedCell, NestedRow,
    CellAlignment,   // value: a QTextCharFormat::VerticalAlignment
    CellBorder,      // value: the Side
    OtherBorder,     // a border not drawn (rows', paragraphs'): the border words after it are ignored
    BorderStyle,     // value: a QTextFrameFormat::BorderStyle
    BorderWidth, BorderColor, RowHeight, RowGap,
    RowPadding, RowPaddingUnit,  // value: the Side
    Binary, PictureType, PictureGoalWidth, PictureGoalHeight, PictureScaleX, PictureScaleY,
    Red, Green, Blue,
};
// clang-format on

// Picture types for Action::PictureType.
enum PictureKind { PictureOther = 0, PicturePng = 1, PictureJpeg = 2 };

struct ControlWord {
    Action action;
    int value = 0;
};

// The meaning of a control word, or nullptr for one this reader ignores.
const ControlWord* findControlWord(QByteArrayView name);

}  // namespace rtf
