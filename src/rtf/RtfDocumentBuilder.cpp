#include "rtf/RtfDocumentBuilder.h"

#include "rtf/RtfReader.h"
#include "rtf/RtfState.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace rtf {

DocumentBuilder::DocumentBuilder(QTextDocument& document, const Limits& limits)
    : document_(document)
    , limits_(limits)
    , cursor_(&document)
{
}

bool DocumentBuilder::reserve(qsizetype characters)
{
    if (full_)
        return false;
    if (written_ + characters > limits_.maxTextLength) {
        full_ = true;
        return false;
    }
    written_ += characters;
    return true;
}

void DocumentBuilder::flush()
{
    if (pending_.isEmpty())
        return;
    cursor_.insertText(pending_, pendingFormat_);
    pending_.clear();
}

void DocumentBuilder::addText(const QString& text, const QTextCharFormat& format, bool inTable)
{
    if (text.isEmpty() || full_)
        return;
    const qsizetype room = limits_.maxTextLength - written_;
    const QStringView kept = QStringView(text).left(std::max<qsizetype>(0, room));
    if (!reserve(kept.size()) || kept.size() < text.size())
        full_ = true;
    if (kept.isEmpty())
        return;
    place(inTable);
    if (!pending_.isEmpty() && format != pendingFormat_)
        flush();
    if (pending_.isEmpty())
        pendingFormat_ = format;
    pending_ += kept;
}

namespace {

// Left of the text edge the document makes room for this much; beyond it a paragraph moves right.
constexpr double maxGutter = 96;  // an inch

}  // namespace

void DocumentBuilder::applyBlockFormat(const QTextBlockFormat& format)
{
    QTextBlockFormat block = format;
    // Word hangs a heading's number into the page margin (\li0\fi-432) and lets a paragraph start
    // there (\li-360); the view has no such margin. The document's paragraphs and tables move right
    // to make room at the end, so that they keep their places to each other; in a table there is
    // no room to make, and the paragraph moves right itself.
    const double overhang = -std::min(block.leftMargin(), block.leftMargin() + block.textIndent());
    if (overhang > 0) {
        const double room = table_ ? 0 : maxGutter;
        if (overhang > room)
            block.setLeftMargin(block.leftMargin() + overhang - room);
        gutter_ = std::max(gutter_, std::min(overhang, room));
    }
    if (breakBefore_) {
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        breakBefore_ = false;
    }
    cursor_.setBlockFormat(block);
}

void DocumentBuilder::endParagraph(const QTextBlockFormat& format, bool inTable)
{
    if (!reserve(1))
        return;
    place(inTable);
    flush();
    applyBlockFormat(format);
    cursor_.insertBlock();
}

void DocumentBuilder::pageBreak(const QTextBlockFormat& format, bool inTable)
{
    endParagraph(format, inTable);
    if (!full_ && !table_)
        breakBefore_ = true;
}

void DocumentBuilder::endCell(const QTextBlockFormat& format)
{
    if (!reserve(1))
        return;
    place(true);
    if (!table_)
        return;  // the table limit was reached: the cells' text runs on as paragraphs
    flush();
    applyBlockFormat(format);
    ++column_;
}

void DocumentBuilder::endRow()
{
    rowOpen_ = false;
}

void DocumentBuilder::place(bool inTable)
{
    if (inTable && !tableLimitReached_)
        enterCell();
    else if (table_)
        leaveTable();
}

void DocumentBuilder::enterCell()
{
    // Every cell is a paragraph of the document, so cells count against the text limit too.
    if (!table_) {
        startTable();
        if (!table_)
            return;
    } else if (!rowOpen_) {
        if (row_ + 1 >= limits_.maxTableRows) {
            tableLimitReached_ = true;
            leaveTable();
            return;
        }
        if (!reserve(table_->columns()))
            return;
        table_->appendRows(1);
        ++row_;
        column_ = 0;
        rowOpen_ = true;
    }
    if (column_ >= table_->columns()) {
        const int added = column_ + 1 - table_->columns();
        if (column_ >= limits_.maxTableColumns)
            cellsMerged_ = true;  // cells beyond the limit share the last column
        else if (reserve(static_cast<qsizetype>(added) * table_->rows()))
            table_->appendColumns(added);
        column_ = table_->columns() - 1;
    }
    if (cursorRow_ != row_ || cursorColumn_ != column_) {
        flush();
        QTextTableCell cell = table_->cellAt(row_, column_);
        if (column_ < cells_.size() && cells_[column_].shading.isValid()) {
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            format.setBackground(cells_[column_].shading);
            cell.setFormat(format);
        }
        cursor_ = cell.lastCursorPosition();
        cursorRow_ = row_;
        cursorColumn_ = column_;
    }
}

void DocumentBuilder::startTable()
{
    flush();
    const int columns = std::clamp(static_cast<int>(cells_.size()), 1, std::max(1, limits_.maxTableColumns));
    if (!reserve(columns + 2))  // the cells and the table's frame
        return;
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(4);
    QList<QTextLength> widths;
    int left = 0;
    for (int i = 0; i < columns && i < cells_.size(); ++i) {
        const int width = cells_[i].rightTwips - left;
        left = cells_[i].rightTwips;
        widths.append(width > 0 ? QTextLength(QTextLength::FixedLength, twipsToPixels(width)) : QTextLength());
    }
    format.setColumnWidthConstraints(widths);
    table_ = cursor_.insertTable(1, columns, format);
    row_ = 0;
    column_ = 0;
    rowOpen_ = true;
    cursorRow_ = -1;  // enterCell places the cursor and applies the cell's shading
    cursorColumn_ = -1;
}

void DocumentBuilder::leaveTable()
{
    flush();
    cursor_ = table_->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    table_ = nullptr;
    rowOpen_ = false;
    cursorRow_ = -1;
    cursorColumn_ = -1;
}

bool DocumentBuilder::addImage(const QImage& image, QSizeF size, bool inTable)
{
    if (images_ >= limits_.maxPictures)
        return false;
    if (!reserve(1))
        return true;
    place(inTable);
    flush();
    const QString name = QStringLiteral("rtf-image-%1").arg(images_++);
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    if (size.width() > 0 && size.height() > 0) {
        format.setWidth(size.width());
        format.setHeight(size.height());
    }
    cursor_.insertImage(format);
    return true;
}

void DocumentBuilder::finish(const QTextBlockFormat& format, bool inTable)
{
    flush();
    if (!table_ && !inTable)
        applyBlockFormat(format);
    if (gutter_ > 0)
        makeGutter();
}

void DocumentBuilder::makeGutter()
{
    for (auto it = document_.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            QTextFrameFormat format = frame->frameFormat();
            format.setLeftMargin(format.leftMargin() + gutter_);
            frame->setFrameFormat(format);
        } else {
            QTextBlockFormat format = it.currentBlock().blockFormat();
            format.setLeftMargin(format.leftMargin() + gutter_);
            QTextCursor(it.currentBlock()).setBlockFormat(format);
        }
    }
}

}  // namespace rtf
