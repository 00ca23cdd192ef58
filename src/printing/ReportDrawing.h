#pragma once

#include <QColor>
#include <QHash>

class QPainter;
class QRadioButton;
class QWidget;

// Draws the report page's controls as paper shows them: rectangles, lines,
// filled areas, text and the option mark as a circle and a dot, in the page's
// own colours. Never through the widget style or the application palette, so
// the page looks the same on every desktop, and never as a picture, so a
// PostScript printer gets text and lines.
namespace report_drawing {

// The ground colour of each control that has one; the others stand on the page.
using Grounds = QHash<const QWidget*, QColor>;

// The width an option needs for its mark and caption.
int optionWidth(const QRadioButton& option);

// Draws the children of the page (and theirs), each at its place, in the order they were made.
void drawControls(QPainter& painter, const QWidget& page, const Grounds& grounds);

}  // namespace report_drawing
