#pragma once

#include <QColor>
#include <functional>

class QWidget;

namespace ui {

// Layout positions are designed in twips; 15 twips make one pixel at 96 dpi.
int twips(int value);
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Field colours of the program.
QColor lightYellow();
QColor lightGrey();
QColor lightRed();
QColor buttonFace();
QColor windowBackground();

// Background through the palette (Base, and Button for lists), so that
// palette().color(QPalette::Base) tells the colour.
void setBackColor(QWidget* widget, const QColor& colour);
QColor backColor(const QWidget* widget);

// Runs handler whenever the keyboard focus leaves widget for another control
// of the same window: not when its own popup opens, not when another window
// takes the focus, not when the widget itself is being disabled or hidden.
void onFocusLeave(QWidget* widget, std::function<void()> handler);

}  // namespace ui
