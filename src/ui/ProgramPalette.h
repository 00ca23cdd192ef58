#pragma once

#include <QPalette>

namespace ui {

// The program's colours: dark text on light ground, as its field colours need,
// whatever the desktop's theme. Every text, also disabled and selected text,
// stands at least 4.5 : 1 against the ground it is drawn on.
QPalette programPalette();

// Makes it the application's palette, over the theme's; before any window is made.
void applyProgramPalette();

}  // namespace ui
