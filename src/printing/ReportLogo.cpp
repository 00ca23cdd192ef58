#include "printing/ReportLogo.h"

#include "printing/ReportDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

ReportLogo::ReportLogo(QWidget* parent)
    : QWidget(parent)
{
}

void ReportLogo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect());
}

void ReportLogo::paint(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = area.height();
    const QRectF badge(1, 1, h * 1.6, h - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(report_drawing::kLogoBlue);
    painter.drawRoundedRect(badge, h * 0.18, h * 0.18);

    // A damped oscillation: vibration settling down.
    QPainterPath wave;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal x = badge.left() + badge.width() * (0.1 + 0.8 * t);
        const qreal y = badge.center().y() - badge.height() * 0.34 * std::exp(-2.2 * t) * std::sin(t * 5 * M_PI);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(report_drawing::kYellow, h * 0.09, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(wave);

    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(qRound(h * 0.62));
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(report_drawing::kLogoBlue);
    const QRectF text(badge.right() + h * 0.25, 0, area.width() - badge.right() - h * 0.25, h);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zelvaro"));
    painter.restore();
}
