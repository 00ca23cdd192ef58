#pragma once

#include "rtf/RtfControlWords.h"
#include "rtf/RtfTokenizer.h"

#include <QColor>
#include <QList>
#include <QTextFormat>

#include <array>

namespace rtf {

class ColorTable;

// The sides in the order the border and padding words number them.
enum Side { Top, Left, Bottom, Right };

struct BorderLine {
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_None;
    double width = 1;  // pixels
    QColor color;      // invalid: automatic, black
};

struct CellDefinition {
    int rightTwips = 0;                 // \cellx: the right boundary
    QColor shading;                     // \clcbpat: the background, invalid for none
    std::array<BorderLine, 4> borders;  // \clbrdrt, \clbrdrl, \clbrdrb, \clbrdrr
    QTextCharFormat::VerticalAlignment alignment = QTextCharFormat::AlignTop;
};

// One table row as \trowd ... \cellx describes it.
struct RowDefinition {
    QList<CellDefinition> cells;
    int heightTwips = 0;                                 // \trrh: > 0 at least, < 0 exactly, 0 as the text needs
    std::array<int, 4> paddingTwips = {-1, -1, -1, -1};  // \trpadd...; -1: unset
    int gapTwips = -1;                                   // \trgaph: the left and right padding

    // The padding of the row's cells in pixels.
    double padding(Side side) const;
};

// Reads the control words that define a table row: \trowd starts one, each cell's properties come
// before its \cellx, and the \brdr... words describe the border named last.
class RowDefinitionReader {
public:
    // Words that are no part of a row definition are let be.
    void read(const ControlWord& entry, const Token& token, const ColorTable& colors, int maxColumns);
    const RowDefinition& row() const { return row_; }

private:
    RowDefinition row_;
    CellDefinition cell_;
    BorderLine* border_ = nullptr;  // of cell_: the border the \brdr... words describe
};

}  // namespace rtf
