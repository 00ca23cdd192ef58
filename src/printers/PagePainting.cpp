#include "printers/PagePainting.h"

#include "rtf/TextFormats.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace printers {

bool paintWidgetPage(QPrinter& printer, QWidget& page)
{
    // Rendering straight onto the printer's painter would rasterise the widget.
    // Only the page's own painting: styled children would bring the desktop's
    // look, and its pixmaps, onto paper.
    QPicture picture;
    {
        QPainter recorder(&picture);
        page.render(&recorder, QPoint(), QRegion(), {});
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const QRectF printable(QPointF(0, 0), area.size());
    const QSizeF source(page.width(), page.height());
    const qreal scale = std::min(printable.width() / source.width(), printable.height() / source.height());
    const QSizeF drawn = source * scale;
    painter.translate((printable.width() - drawn.width()) / 2, (printable.height() - drawn.height()) / 2);
    // Replaying scales the picture from its recording resolution to the
    // printer's by itself; only the fit to the page is ours.
    const qreal replay = qreal(printer.logicalDpiX()) / picture.logicalDpiX();
    painter.scale(scale / replay, scale / replay);
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

namespace {

// The page on which the block's first line stands.
int pageOf(const QTextBlock& block)
{
    const QTextDocument* document = block.document();
    const QTextLayout* lines = block.layout();
    const qreal top = document->documentLayout()->blockBoundingRect(block).top()
        + (lines->lineCount() > 0 ? lines->lineAt(0).y() : 0);
    return static_cast<int>(top / document->pageSize().height());
}

bool keptWithNext(const QTextBlock& block)
{
    return block.isValid() && block.blockFormat().boolProperty(rtf::KeepWithNextProperty);
}

bool startsPage(const QTextFormat& format)
{
    return format.intProperty(QTextFormat::PageBreakPolicy) & QTextFormat::PageBreak_AlwaysBefore;
}

// The first block that should start a new page and does not yet: one kept with
// the next block that it stands a page before, or a table whose head row is alone
// at the bottom of a page. Returns whether there was one to move.
bool moveOneToTheNextPage(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (!keptWithNext(block) || !next.isValid() || startsPage(block.blockFormat()) || pageOf(block) == pageOf(next))
            continue;
        // With the kept blocks before it on its page, as a heading goes with its sub-heading;
        // each move sets the break on a block that had none, so the moving ends.
        QTextBlock first = block;
        for (QTextBlock previous = block.previous();
             keptWithNext(previous) && !startsPage(previous.blockFormat()) && pageOf(previous) == pageOf(block);
             previous = previous.previous())
            first = previous;
        QTextBlockFormat format = first.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).setBlockFormat(format);
        return true;
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table || table->rows() < 2)
            continue;
        QTextTableFormat format = table->format();
        if (!startsPage(format)
            && pageOf(table->cellAt(0, 0).firstCursorPosition().block())
                != pageOf(table->cellAt(1, 0).firstCursorPosition().block())) {
            format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
            return true;
        }
    }
    return false;
}

}  // namespace

void paintDocument(QPrinter& printer, const QTextDocument& document)
{
    // Indents, spacing and tab stops are pixels of 96 to the inch, as the view shows them;
    // laid out on the printer's own resolution they would shrink to almost nothing. So a
    // copy is laid out at 96 to the inch on a page of the printable area, and printing
    // scales it onto the paper whole.
    constexpr int kDotsPerMeter = 3780;  // 96 to the inch
    constexpr qreal kDotsPerInch = 96;
    constexpr qreal kMargin = kDotsPerInch / 2.54;  // a centimetre inside the printer's margins
    QImage screen(1, 1, QImage::Format_Mono);
    screen.setDotsPerMeterX(kDotsPerMeter);
    screen.setDotsPerMeterY(kDotsPerMeter);
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&screen);
    copy->setDocumentMargin(kMargin);
    copy->setPageSize(printer.pageLayout().paintRect(QPageLayout::Inch).size() * kDotsPerInch);
    // One at a time, because each move pushes on what follows.
    while (moveOneToTheNextPage(*copy)) {
        // The layout follows a format change only part of the way down the pages.
        copy->markContentsDirty(0, copy->characterCount());
    }
    copy->print(&printer);
}

}  // namespace printers
