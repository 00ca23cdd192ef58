#pragma once

#include <QWidget>

class QPainter;

// The program's mark in the report's title area: a wave on a badge and the
// program's name, drawn as vectors. The page draws it in its place.
class ReportLogo : public QWidget {
public:
    explicit ReportLogo(QWidget* parent = nullptr);

    // Draws the mark into the area, its height filled.
    static void paint(QPainter& painter, const QRectF& area);

protected:
    void paintEvent(QPaintEvent* event) override;
};
