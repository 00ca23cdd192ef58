#pragma once

#include <QColor>
#include <QGroupBox>
#include <QString>
#include <QWidget>
#include <functional>

class QComboBox;

namespace ui {

// Object names: a single control is named by its base name; an element of a
// control array by base, "_" and its index ("lblStatus_1"); a control of an
// input line of a row puts the line's suffix between ("MaschinenFamilie_G_3").
QString controlName(const QString& base, int index);
QString controlName(const QString& base, const QString& suffix, int index);

// Layout positions are designed in twips; 15 twips make one pixel at 96 dpi.
int twips(int value);
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// A column of a window's layout: its left edge and width in twips.
struct Column {
    int left;
    int width;
};

// Makes a control of a window: created in parent, named, placed in twips.
template <class W>
W* makeControl(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* control = new W(parent);
    control->setObjectName(name);
    placeTwips(control, left, top, width, height);
    return control;
}

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
// A list also runs it at once when the user picks an entry without holding
// the keyboard focus: from a pop-up the focus was called away from, or in a
// window that is not active.
void onFocusLeave(QWidget* widget, std::function<void()> handler);

// The list takes neither the focus nor a new entry from the mouse wheel
// unless it holds the focus; the notch scrolls the window instead.
void wheelOnlyWithFocus(QComboBox* list);

// A multi-line text of the text table on one line, for a screen reader: a
// word broken with a hyphen is joined again, other line breaks become blanks.
QString oneLine(const QString& text);

// A frame whose caption is bold while its controls keep the frame's own
// font: a bold frame font would reach every control and each would need its
// font set back (for a drop-down list that also builds its popup at once).
class BoldTitleGroupBox : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
