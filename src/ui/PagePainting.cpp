#include "ui/PagePainting.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

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
    document.print(&printer);
}

}  // namespace ui
