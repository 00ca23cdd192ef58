// The tables of the document builder: where a paragraph of some table level goes, and the
// formats its row gives a cell.
#include "rtf/RtfDocumentBuilder.h"

#include "rtf/RtfReader.h"
#include "rtf/RtfTableFormats.h"

#include <QTextTable>

#include <algorithm>

namespace rtf {

void DocumentBuilder::endCell(const QTextBlockFormat& format, int level)
{
    if (!reserve(1))
        return;
    place(level);
    if (static_cast<int>(tables_.size()) < level)
        return;  // the table limit was reached: the cells' text runs on as paragraphs
    flush();
    applyBlockFormat(format);
    ++tables_.back().column;
}

void DocumentBuilder::endRow(int level, const RowDefinition& row)
{
    if (level < 1 || static_cast<int>(tables_.size()) < level)
        return;
    // The tables in the row's cells end with it.
    while (static_cast<int>(tables_.size()) > level)
        leaveTable();
    OpenTable& open = tables_.back();
    if (!open.rowOpen)
        return;
    flush();  // the row's height depends on its text
    formatRow(*open.table, open.row, row);
    open.rowOpen = false;
}

void DocumentBuilder::place(int level)
{
    if (tableLimitReached_)
        level = 0;
    while (static_cast<int>(tables_.size()) > level)
        leaveTable();
    if (level == 0)
        return;
    while (static_cast<int>(tables_.size()) < level) {
        if (!tables_.empty() && !enterCell())
            return;
        if (!startTable())
            return;
    }
    enterCell();
}

// Places the cursor in the current cell of the innermost table; false when a limit ended the tables.
bool DocumentBuilder::enterCell()
{
    // Every cell is a paragraph of the document, so cells count against the text limit too.
    OpenTable& open = tables_.back();
    QTextTable* table = open.table;
    if (!open.rowOpen) {
        if (open.row + 1 >= limits_.maxTableRows) {
            tableLimitReached_ = true;
            while (!tables_.empty())
                leaveTable();
            return false;
        }
        if (!reserve(table->columns()))
            return false;
        table->appendRows(1);
        ++open.row;
        open.column = 0;
        open.rowOpen = true;
    }
    if (open.column >= table->columns()) {
        const int added = open.column + 1 - table->columns();
        if (open.column >= limits_.maxTableColumns)
            cellsMerged_ = true;  // cells beyond the limit share the last column
        else if (reserve(static_cast<qsizetype>(added) * table->rows()))
            table->appendColumns(added);
        open.column = table->columns() - 1;
    }
    if (cursorTable_ != table || cursorRow_ != open.row || cursorColumn_ != open.column) {
        flush();
        cursor_ = table->cellAt(open.row, open.column).lastCursorPosition();
        cursorTable_ = table;
        cursorRow_ = open.row;
        cursorColumn_ = open.column;
    }
    return true;
}

bool DocumentBuilder::startTable()
{
    flush();
    // A table of the first level has its row defined before its cells; a nested table's row
    // definition follows its cells, and the columns grow as they come.
    const QList<CellDefinition> cells = tables_.empty() && row_ ? row_->cells : QList<CellDefinition>();
    const int columns = std::clamp(static_cast<int>(cells.size()), 1, std::max(1, limits_.maxTableColumns));
    if (!reserve(columns + 2))  // the cells and the table's frame
        return false;
    tables_.push_back({cursor_.insertTable(1, columns, tableFormat(cells, columns))});
    cursorTable_ = nullptr;
    return true;
}

void DocumentBuilder::leaveTable()
{
    flush();
    cursor_ = tables_.back().table->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    tables_.pop_back();
    cursorTable_ = nullptr;
}

}  // namespace rtf
