#include "rtf/RtfTableFormats.h"

#include "rtf/RtfState.h"

#include <QTextBlock>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rtf {

namespace {

// One width for each of the table's columns, or none at all: Qt copies a width into every column
// it adds and writes past the end of a shorter list.
QList<QTextLength> columnWidths(const QList<CellDefinition>& cells, int columns)
{
    QList<QTextLength> widths;
    if (cells.isEmpty())
        return widths;
    int left = 0;
    for (int i = 0; i < columns; ++i) {
        const int right = i < cells.size() ? cells[i].rightTwips : left;
        const int width = right - left;
        left = right;
        widths.append(width > 0 ? QTextLength(QTextLength::FixedLength, twipsToPixels(width)) : QTextLength());
    }
    return widths;
}

// The cell format's width, style and brush properties of a border, by side.
struct BorderProperties {
    int width;
    int style;
    int brush;
};
constexpr BorderProperties borderProperties[] = {
    {QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellTopBorderBrush},
    {QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderStyle, QTextFormat::TableCellLeftBorderBrush},
    {QTextFormat::TableCellBottomBorder, QTextFormat::TableCellBottomBorderStyle,
     QTextFormat::TableCellBottomBorderBrush},
    {QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderStyle, QTextFormat::TableCellRightBorderBrush},
};

void setBorder(QTextTableCellFormat& format, Side side, const BorderLine& line)
{
    double width = line.width;
    if (line.style == QTextFrameFormat::BorderStyle_Double)
        width = std::max(width, 3.0);  // room for two lines and the gap between them
    const BorderProperties& properties = borderProperties[side];
    format.setProperty(properties.width, width);
    format.setProperty(properties.style, line.style);
    format.setProperty(properties.brush, QBrush(line.color.isValid() ? line.color : QColor(Qt::black)));
}

// A line of the usual text fonts is this many times their size high (DejaVu Sans 1.16, Liberation
// Sans 1.15); reckoning with it keeps the font database out of the reading.
constexpr double lineSpacing = 1.16;
constexpr double pixelsPerPoint = 96.0 / 72;

// The height of a cell's text when each paragraph takes one line, laid out as Qt does in a cell:
// the space between two paragraphs is the larger of their margins, the outer margins count not;
// -1 when the cell holds a table.
double oneLineHeight(const QTextTableCell& cell)
{
    double height = 0;
    double bottomMargin = -1;  // of the paragraph before
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (it.currentFrame())
            return -1;
        const QTextBlock block = it.currentBlock();
        const QTextBlockFormat format = block.blockFormat();
        const QTextCharFormat chars = block.begin().atEnd() ? block.charFormat()
                                                            : block.begin().fragment().charFormat();
        const double points = chars.fontPointSize() > 0 ? chars.fontPointSize() : 12;
        double line = std::ceil(points * pixelsPerPoint * lineSpacing);
        if (format.lineHeightType() == QTextBlockFormat::ProportionalHeight)
            line *= format.lineHeight() / 100;
        else if (format.lineHeightType() == QTextBlockFormat::MinimumHeight)
            line = std::max(line, format.lineHeight());
        else if (format.lineHeightType() == QTextBlockFormat::FixedHeight)
            line = format.lineHeight();
        if (bottomMargin >= 0)
            height += std::max(bottomMargin, format.topMargin());
        height += line;
        bottomMargin = format.bottomMargin();
    }
    return height;
}

// Qt's tables have no row height: the cell gets the missing room as padding, on the side away from
// where its text stands. The room is reckoned for one line per paragraph, so a cell whose text
// wraps grows by the missing room too.
void makeRoom(QTextTableCellFormat& format, const QTextTableCell& cell, double rowHeight)
{
    const double text = oneLineHeight(cell);
    if (text < 0)
        return;
    const double missing = rowHeight - text - format.topPadding() - format.bottomPadding() - format.topBorder()
        - format.bottomBorder();
    if (missing <= 0)
        return;
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignMiddle:
        format.setTopPadding(format.topPadding() + missing / 2);
        format.setBottomPadding(format.bottomPadding() + missing / 2);
        break;
    case QTextCharFormat::AlignBottom: format.setTopPadding(format.topPadding() + missing); break;
    default: format.setBottomPadding(format.bottomPadding() + missing); break;
    }
}

// Qt lays a cell's text out without the space before its first paragraph and after its last;
// word processors keep them, so they count as padding.
double spaceBefore(const QTextTableCell& cell)
{
    const QTextBlock first = cell.begin().currentBlock();  // none when a table comes first
    return first.isValid() ? first.blockFormat().topMargin() : 0;
}

double spaceAfter(const QTextTableCell& cell)
{
    QTextFrame::iterator last = cell.end();
    --last;
    return last.currentBlock().isValid() ? last.currentBlock().blockFormat().bottomMargin() : 0;
}

}  // namespace

QTextTableFormat tableFormat(const QList<CellDefinition>& cells, int columns)
{
    QTextTableFormat format;
    format.setBorder(0);  // a cell shows the borders its row gives it, and none else
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setColumnWidthConstraints(columnWidths(cells, columns));
    return format;
}

void formatRow(QTextTable& table, int row, const RowDefinition& definition)
{
    const QList<CellDefinition>& cells = definition.cells;
    if (table.format().columnWidthConstraints().isEmpty() && !cells.isEmpty()) {
        QTextTableFormat format = table.format();
        format.setColumnWidthConstraints(columnWidths(cells, table.columns()));
        table.setFormat(format);
    }
    for (int column = 0; column < table.columns(); ++column) {
        QTextTableCell cell = table.cellAt(row, column);
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        format.setTopPadding(definition.padding(Top) + spaceBefore(cell));
        format.setLeftPadding(definition.padding(Left));
        format.setBottomPadding(definition.padding(Bottom) + spaceAfter(cell));
        format.setRightPadding(definition.padding(Right));
        if (column < cells.size()) {
            const CellDefinition& defined = cells[column];
            if (defined.shading.isValid())
                format.setBackground(defined.shading);
            format.setVerticalAlignment(defined.alignment);
            for (const Side side : {Top, Left, Bottom, Right}) {
                if (defined.borders[side].style != QTextFrameFormat::BorderStyle_None)
                    setBorder(format, side, defined.borders[side]);  // else the table's: none
            }
        }
        // An exact height would cut the text off; Qt can only give at least the height.
        if (definition.heightTwips != 0)
            makeRoom(format, cell, twipsToPixels(std::abs(definition.heightTwips)));
        cell.setFormat(format);
    }
}

}  // namespace rtf
