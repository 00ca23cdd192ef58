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

// The page's own colours.
constexpr QColor kInk(0, 0, 0);
constexpr QColor kRuleGrey(128, 128, 128);  // rules, and the row frames' outline
constexpr QColor kRowGrey(225, 225, 225);   // the row frames' ground
constexpr QColor kYellow(255, 210, 15);     // the results' ground, the rule under the title, the logo's wave
constexpr QColor kLogoBlue(0, 84, 119);

// The ground colour of each control that has one; the others stand on the page.
using Grounds = QHash<const QWidget*, QColor>;

// The width an option needs for its mark and caption.
int optionWidth(const QRadioButton& option);

// Draws the children of the page (and theirs), each at its place, in the order they were made.
void drawControls(QPainter& painter, const QWidget& page, const Grounds& grounds);

}  // namespace report_drawing
