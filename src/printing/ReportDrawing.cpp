#include "printing/ReportDrawing.h"

#include "printing/ReportLogo.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTextDocument>

namespace report_drawing {

namespace {

// A one-pixel line along the inside of the rectangle's edge.
void outline(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
}

// The option mark's diameter and the gap to its caption, from the caption's font.
qreal markSize(const QFontMetricsF& metrics)
{
    return metrics.ascent();
}
qreal markGap(const QFontMetricsF& metrics)
{
    return metrics.ascent() / 2;
}

// Where a label's text stands: inside its frame, moved in by its indent on
// the sides it is aligned to, as a label places it.
QRect textArea(const QLabel& label)
{
    QRect area = label.contentsRect();
    const int indent = std::max(label.indent(), 0);
    const Qt::Alignment align = label.alignment();
    if (align & Qt::AlignLeft)
        area.setLeft(area.left() + indent);
    if (align & Qt::AlignRight)
        area.setRight(area.right() - indent);
    if (align & Qt::AlignTop)
        area.setTop(area.top() + indent);
    if (align & Qt::AlignBottom)
        area.setBottom(area.bottom() - indent);
    return area;
}

// Rich text (the symbols with subscripts) laid out as a label lays it out,
// its text in the page's ink rather than the palette's.
void drawRichText(QPainter& painter, const QLabel& label, const QRect& area)
{
    QTextDocument document;
    document.setDefaultFont(label.font());
    document.setDocumentMargin(0);
    document.setHtml(label.text());
    document.setTextWidth(area.width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, kInk);
    context.clip = QRectF(0, 0, area.width(), area.height());
    painter.save();
    painter.translate(area.topLeft());
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

void drawLabel(QPainter& painter, const QLabel& label, const QColor& ground)
{
    const QRect whole = label.rect();
    if (ground.isValid())
        painter.fillRect(whole, ground);
    if (label.frameShape() == QFrame::Box)
        outline(painter, whole, kInk);
    if (label.text().isEmpty())
        return;
    const QRect area = textArea(label);
    painter.save();
    // A field clips what does not fit, as a text box does.
    painter.setClipRect(label.contentsRect());
    painter.setFont(label.font());
    if (label.textFormat() == Qt::RichText) {
        drawRichText(painter, label, area);
    } else {
        painter.setPen(kInk);
        const int wrap = label.wordWrap() ? int(Qt::TextWordWrap) : 0;
        painter.drawText(area, int(label.alignment()) | wrap, label.text());
    }
    painter.restore();
}

void drawOption(QPainter& painter, const QRadioButton& option)
{
    const QFontMetricsF metrics(option.font());
    const qreal size = markSize(metrics);
    const QRectF mark(0.5, (option.height() - size) / 2, size, size);
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(mark);
    if (option.isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawEllipse(mark.center(), size / 4, size / 4);
    }
    if (option.text().isEmpty())
        return;
    painter.setFont(option.font());
    painter.setPen(kInk);
    const QRectF caption(mark.right() + markGap(metrics), 0, option.width(), option.height());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, option.text());
}

// A row frame: its ground, a grey line round it and its caption at the top left.
void drawFrame(QPainter& painter, const QGroupBox& frame, const QColor& ground)
{
    if (ground.isValid())
        painter.fillRect(frame.rect(), ground);
    outline(painter, frame.rect(), kRuleGrey);
    painter.setFont(frame.font());
    painter.setPen(kInk);
    const QFontMetrics metrics(frame.font());
    painter.drawText(QRect(1, 1, frame.width() - 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop, frame.title());
}

void drawControl(QPainter& painter, const QWidget& control, const Grounds& grounds)
{
    const QColor ground = grounds.value(&control);
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        drawFrame(painter, *frame, ground);
    else if (const auto* label = qobject_cast<const QLabel*>(&control))
        drawLabel(painter, *label, ground);
    else if (const auto* option = qobject_cast<const QRadioButton*>(&control))
        drawOption(painter, *option);
    else if (dynamic_cast<const ReportLogo*>(&control))
        ReportLogo::paint(painter, control.rect());
}

}  // namespace

int optionWidth(const QRadioButton& option)
{
    const QFontMetricsF metrics(option.font());
    return qCeil(0.5 + markSize(metrics) + markGap(metrics) + metrics.horizontalAdvance(option.text()));
}

void drawControls(QPainter& painter, const QWidget& page, const Grounds& grounds)
{
    for (const QObject* child : page.children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (!control || control->isHidden())
            continue;
        painter.save();
        painter.translate(control->pos());
        drawControl(painter, *control, grounds);
        drawControls(painter, *control, grounds);
        painter.restore();
    }
}

}  // namespace report_drawing
