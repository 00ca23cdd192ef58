#include "ui/PagePainting.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace ui {

bool paintWidgetPage(QPrinter& printer, QWidget& page)
{
    // Rendering straight onto the printer's painter would rasterise the widget.
    QPicture picture;
    {
        QPainter recorder(&picture);
        page.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
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
    copy->print(&printer);
}

}  // namespace ui
