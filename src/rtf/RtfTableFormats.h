#pragma once

#include "rtf/RtfTableDefinition.h"

#include <QTextTableFormat>

class QTextTable;

namespace rtf {

// The format of a new table of that many columns whose first row has these cells.
QTextTableFormat tableFormat(const QList<CellDefinition>& cells, int columns);

// Gives the cells of one row of the table the borders, padding, shading, alignment and height
// that the row's definition asks for; the table's column widths too, if it has none yet.
void formatRow(QTextTable& table, int row, const RowDefinition& definition);

}  // namespace rtf
